#include "app/links.h"

#include <map>

#include "vcl/forms.h"

namespace trellis {

namespace {
// The maker's own pages all live under the program's placeholder address.
constexpr const char* kMaker = "https://trellis-pcb.example/";
}  // namespace

const std::string& LinkAddress(Link link) {
  static const std::map<Link, std::string> table = {
      {Link::MakerHome, std::string(kMaker)},
      {Link::MakerHelp, std::string(kMaker) + "help"},
      {Link::MakerFeedback, std::string(kMaker) + "feedback"},
      {Link::MakerContact, std::string(kMaker) + "contact"},
      {Link::MakerPcbDesign, std::string(kMaker) + "services/pcb-design"},
      {Link::MakerElectronicEngineering, std::string(kMaker) + "services/electronic-engineering"},
      {Link::MakerSoftwareDevelopment, std::string(kMaker) + "services/software-development"},
      {Link::MakerConsulting, std::string(kMaker) + "services/consulting"},
      {Link::MakerRfEngineering, std::string(kMaker) + "services/rf-engineering"},
      {Link::MakerPcbAssembly, std::string(kMaker) + "services/pcb-assembly"},
      {Link::MakerPcbManufacturing, std::string(kMaker) + "services/pcb-manufacturing"},
      {Link::MakerAbout, std::string(kMaker) + "about"},
      {Link::MakerFacebookImage, std::string(kMaker) + "social/facebook"},
      {Link::MakerFacebookMenu, std::string(kMaker) + "social/facebook-page"},
      {Link::MakerInstagram, std::string(kMaker) + "social/instagram"},
      {Link::MakerLinkedIn, std::string(kMaker) + "social/linkedin"},
      {Link::MakerX, std::string(kMaker) + "social/x"},
      {Link::MakerYouTube, std::string(kMaker) + "social/youtube"},
      {Link::SpeedOfLight, "https://en.wikipedia.org/wiki/Speed_of_light"},
      {Link::SiPrefixes, "https://en.wikipedia.org/wiki/Metric_prefix"},
      {Link::DbmChart, "https://en.wikipedia.org/wiki/DBm"},
      {Link::OhmsLaw, "https://en.wikipedia.org/wiki/Ohm%27s_law"},
      {Link::CapacitorUnits, "https://en.wikipedia.org/wiki/Farad"},
      {Link::ResistorCalculator, "https://en.wikipedia.org/wiki/Series_and_parallel_circuits"},
      {Link::ErEffective, "https://en.wikipedia.org/wiki/Microstrip"},
      {Link::FusingCurrent, "https://en.wikipedia.org/wiki/Fuse_(electrical)"},
      {Link::IpcStandards, "https://www.ipc.org/"},
      {Link::PlanarInductances, "https://en.wikipedia.org/wiki/Inductance"},
      {Link::Wavelength, "https://en.wikipedia.org/wiki/Wavelength"},
      {Link::CrystalLoadCapacitors, "https://en.wikipedia.org/wiki/Crystal_oscillator"},
      {Link::CoupledLines, "https://en.wikipedia.org/wiki/Crosstalk"},
      {Link::ViaStubs, "https://en.wikipedia.org/wiki/Via_(electronics)"},
      {Link::ViaModelling, "https://en.wikipedia.org/wiki/Transmission_line"},
  };
  return table.at(link);
}

void OpenLink(Link link) { vcl::CurrentPlatform().ShellOpen(LinkAddress(link)); }

}  // namespace trellis
