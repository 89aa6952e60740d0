#include "reference/eda_resources_form.h"

#include <string>

#include "vcl/forms.h"

namespace trellis {

namespace {

// The shell's result is not used: a page that cannot open is the browser's business.
void Open(const char* address) { vcl::CurrentPlatform().ShellOpen(address); }

}  // namespace

#include "Form9.bind.inc"

TForm9::TForm9() : vcl::TForm("TForm9") {
  BindPublished();
  LoadLayout("Form9");
  FinishLoading();
}

// Schematic symbols and footprints.
void TForm9::ButtonGroup2Items0Click(vcl::TObject*) { Open("https://www.digikey.com/schemeit"); }
void TForm9::ButtonGroup2Items1Click(vcl::TObject*) { Open("https://www.snapeda.com/"); }

// 3D models.
void TForm9::ButtonGroup3Items0Click(vcl::TObject*) { Open("https://www.3dcontentcentral.com/"); }

// Simulations.
void TForm9::ButtonGroup1Items0Click(vcl::TObject*) { Open("https://www.circuitlab.com/"); }
void TForm9::ButtonGroup1Items1Click(vcl::TObject*) { Open("https://www.mathcad.com/"); }
void TForm9::ButtonGroup1Items2Click(vcl::TObject*) { Open("https://www.multisim.com/"); }
void TForm9::ButtonGroup1Items3Click(vcl::TObject*) { Open("https://www.sonnetsoftware.com/"); }
void TForm9::ButtonGroup1Items4Click(vcl::TObject*) {
  Open("https://www.ansys.com/products/electronics/ansys-hfss");
}
void TForm9::ButtonGroup1Items5Click(vcl::TObject*) { Open("https://www.keysight.com/"); }
void TForm9::ButtonGroup1Items6Click(vcl::TObject*) { Open("https://www.cadence.com/"); }
void TForm9::ButtonGroup1Items7Click(vcl::TObject*) {
  Open("https://eda.sw.siemens.com/en-US/pcb/hyperlynx/");
}
void TForm9::ButtonGroup1Items8Click(vcl::TObject*) { Open("https://webench.ti.com/"); }
void TForm9::ButtonGroup1Items9Click(vcl::TObject*) {
  Open("https://www.ti.com/tool/PSPICE-FOR-TI");
}
// A place kept for a tool to come.
void TForm9::ButtonGroup1Items10Click(vcl::TObject*) {}

// Board and signal-integrity learning.
void TForm9::ButtonGroup4Items0Click(vcl::TObject*) { Open("https://academy.fedevel.com/"); }
void TForm9::ButtonGroup4Items1Click(vcl::TObject*) {
  Open("https://www.signalintegrityjournal.com/");
}

// Miscellaneous.
void TForm9::ButtonGroup6Items0Click(vcl::TObject*) { Open("https://www.eevblog.com/"); }

// Books and standards; the books by their ISBN, or by title where none is known.
void TForm9::ButtonGroup5Items0Click(vcl::TObject*) { Open("https://www.ipc.org/"); }
void TForm9::ButtonGroup5Items1Click(vcl::TObject*) { Open("https://www.ieee.org/"); }
void TForm9::ButtonGroup5Items2Click(vcl::TObject*) {
  Open("https://openlibrary.org/isbn/9780071833950");
}
void TForm9::ButtonGroup5Items3Click(vcl::TObject*) {
  Open("https://openlibrary.org/search?q=The+Hitchhiker%27s+Guide+to+PCB+Design");
}

}  // namespace trellis
