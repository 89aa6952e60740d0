// Enter in an input solves; the layouts name the boxes, and their key-press
// handlers drop the character itself.
#include "app/form1.h"

namespace trellis {

// Shift and Ctrl with Enter solve as well; the key is left as it is.
void TForm1::EnterKeyDown(vcl::TObject* Sender, uint16_t& Key, vcl::TShiftState) {
  if (Key == vcl::VK_RETURN) Button1Click(Sender);
}

}  // namespace trellis
