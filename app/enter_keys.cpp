// Enter in an input solves; the character itself never reaches the control.
#include "app/form1.h"

namespace trellis {

namespace {

// Controls whose key-down runs Solve on Enter, by the name of their handler.
const char* const kEnterSolves[] = {
    "Edit1",   "Edit2",   "Edit3",   "Edit4",   "Edit5",   "Edit6",   "Edit7",   "Edit9",
    "Edit15",  "Edit18",  "Edit19",  "Edit21",  "Edit25",  "Edit26",  "Edit27",  "Edit32",
    "Edit33",  "Edit34",  "Edit35",  "Edit46",  "Edit66",  "Edit67",  "Edit68",  "Edit69",
    "Edit74",  "Edit79",  "Edit80",  "Edit85",  "Edit88",  "Edit89",  "Edit91",  "Edit92",
    "Edit103", "Edit105", "Edit106", "Edit107", "Edit108", "Edit110", "Edit115", "Edit116",
    "Edit117", "Edit121", "Edit124", "Edit126", "Edit128", "Edit130", "Edit132", "Edit136",
    "Edit138", "Edit140", "Edit146", "Edit148", "Edit150", "Edit151", "Edit153", "Edit154",
    "Edit157", "Edit158", "Edit167", "Edit170", "Edit171", "Edit174", "Edit181", "Edit182",
    "Edit206", "Edit209", "Edit211", "Edit213", "Edit215", "Edit216", "Edit219", "Edit224",
    "Edit227", "Edit228", "Edit229", "Edit234", "Edit236", "Edit238", "Edit239", "Edit244",
    "Edit245", "Edit246", "Edit252", "Edit253", "Edit254", "Edit255", "Edit256", "Edit270",
    "Edit271", "Edit272", "Edit281", "Edit282", "Edit288", "Edit290", "Edit292", "Edit294",
    "Edit335", "Edit337", "Edit338", "Edit339", "Edit346", "Edit347", "Edit348", "Edit349",
    "Edit356", "Edit357", "Edit358", "Edit359", "Edit366", "Edit367", "Edit368", "Edit369",
    "Edit376", "Edit377", "Edit378", "Edit379", "Edit394", "Edit398", "Edit400", "Edit402",
};

// Controls whose key-press drops the Enter character.
const char* const kEnterSwallowed[] = {
    "Edit1",   "Edit2",     "Edit3",     "Edit4",     "Edit5",     "Edit6",     "Edit7",
    "Edit9",   "Memo1",     "Edit15",    "Edit18",    "Edit19",    "Edit21",    "Edit22",
    "Edit25",  "Edit26",    "Edit27",    "Edit32",    "Edit33",    "Edit34",    "Edit35",
    "Edit46",  "Edit66",    "Edit67",    "Edit68",    "Edit69",    "Edit74",    "Edit80",
    "Edit85",  "Edit88",    "Edit89",    "Edit91",    "Edit92",    "Edit103",   "Edit105",
    "Edit106", "Edit107",   "Edit108",   "Edit110",   "Edit115",   "Edit116",   "Edit117",
    "Edit121", "Edit124",   "Edit126",   "Edit128",   "Edit130",   "Edit132",   "Edit136",
    "Edit138", "Edit140",   "Edit146",   "Edit148",   "Edit150",   "Edit151",   "Edit153",
    "Edit154", "Edit157",   "Edit158",   "Edit167",   "Edit170",   "Edit171",   "Edit174",
    "Edit176", "Edit181",   "Edit182",   "Edit206",   "Edit209",   "Edit211",   "Edit213",
    "Edit215", "Edit216",   "Edit219",   "Edit224",   "Edit226",   "Edit227",   "Edit228",
    "Edit229", "Edit234",   "Edit236",   "Edit238",   "Edit239",   "Edit245",   "Edit246",
    "Edit252", "Edit253",   "Edit254",   "Edit255",   "Edit256",   "Edit270",   "Edit271",
    "Edit272", "Edit281",   "Edit282",   "Edit288",   "Edit290",   "Edit292",   "Edit294",
    "Edit309", "Edit310",   "Edit311",   "Edit312",   "Edit313",   "Edit335",   "Edit337",
    "Edit338", "Edit339",   "Edit346",   "Edit347",   "Edit348",   "Edit349",   "Edit356",
    "Edit357", "Edit358",   "Edit359",   "Edit366",   "Edit367",   "Edit368",   "Edit369",
    "Edit376", "Edit377",   "Edit378",   "Edit379",   "Edit394",   "Edit398",   "Edit400",
    "Edit402", "CheckBox1", "CheckBox4", "ComboBox1", "ComboBox3", "ComboBox4", "ComboBox5",
};

}  // namespace

void TForm1::BindEnterKeys() {
  // Shift and Ctrl with Enter solve as well; the key is left as it is.
  for (const char* name : kEnterSolves)
    Handler(std::string(name) + "KeyDown",
            vcl::TKeyEvent([this](vcl::TObject* sender, uint16_t& key, vcl::TShiftState) {
              if (key == vcl::VK_RETURN) Button1Click(sender);
            }));
  for (const char* name : kEnterSwallowed)
    Handler(std::string(name) + "KeyPress", vcl::TKeyPressEvent([](vcl::TObject*, char& key) {
              if (key == '\r') key = 0;
            }));
}

}  // namespace trellis
