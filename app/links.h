// Every page, document and program the main window hands to the shell.
#pragma once

#include <string>

namespace trellis {

enum class Link {
  MakerHome,
  MakerHelp,
  MakerFeedback,
  MakerContact,
  MakerPcbDesign,
  MakerElectronicEngineering,
  MakerSoftwareDevelopment,
  MakerConsulting,
  MakerRfEngineering,
  MakerPcbAssembly,
  MakerPcbManufacturing,
  MakerAbout,
  MakerFacebookImage,
  MakerFacebookMenu,
  MakerInstagram,
  MakerLinkedIn,
  MakerX,
  MakerYouTube,
  SpeedOfLight,
  SiPrefixes,
  DbmChart,
  OhmsLaw,
  CapacitorUnits,
  ResistorCalculator,
  ErEffective,
  FusingCurrent,
  IpcStandards,
  PlanarInductances,
  Wavelength,
  CrystalLoadCapacitors,
  CoupledLines,
  ViaStubs,
  ViaModelling,
};

const std::string& LinkAddress(Link link);
// Opens the page; the shell's result is not used.
void OpenLink(Link link);

}  // namespace trellis
