// The go-to table and its lookups.
#include "view/go_to_table.h"

namespace halvane {

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace

constexpr GoToRow GO_TO_TABLE[GO_TO_ROW_COUNT] = {
    {"Andromeda", 1.0, 38.0},
    {"Antlia", 10.1, -31.0},
    {"Apus", 16.0, -79.0},
    {"Aquarius", 22.3, -10.0},
    {"Aquila", 19.6, 3.0},
    {"Ara", 17.5, -55.0},
    {"Aries", 2.5, 20.0},
    {"Auriga", 6.0, 40.0},
    {"Bootes", 14.5, 30.0},
    {"Caelum", 4.8, -40.0},
    {"Camelopardalis", 4.5, 63.0},
    {"Cancer", 8.7, 20.0},
    {"Canes Venatici", 13.0, 40.0},
    {"Canis Major", 7.0, -20.0},
    {"Canis Minor", 7.6, 7.0},
    {"Capricornus", 21.0, -20.0},
    {"Carina", 8.4, -60.0},
    {"Cassiopeia", 1.0, 60.0},
    {"Centaurus", 13.5, -45.0},
    {"Cepheus", 22.0, 66.0},
    {"Cetus", 1.6, -8.0},
    {"Chamaeleon", 10.5, -79.0},
    {"Circinus", 15.0, -62.0},
    {"Columba", 5.8, -35.0},
    {"Coma Berenices", 12.9, 25.0},
    {"Corona Australis", 19.0, -40.0},
    {"Corona Borealis", 15.8, 28.0},
    {"Corvus", 12.4, -20.0},
    {"Crater", 11.4, -18.0},
    {"Crux", 12.5, -60.0},
    {"Cygnus", 20.4, 40.0},
    {"Delphinus", 20.7, 14.0},
    {"Dorado", 5.0, -58.0},
    {"Draco", 17.0, 65.0},
    {"Equuleus", 21.3, 7.0},
    {"Eridanus", 4.0, -20.0},
    {"Fornax", 2.8, -30.0},
    {"Gemini", 7.0, 25.0},
    {"Grus", 22.5, -45.0},
    {"Hercules", 17.0, 35.0},
    {"Horologium", 3.0, -55.0},
    {"Hydra", 10.5, -20.0},
    {"Hydrus", 2.0, -70.0},
    {"Indus", 21.3, -54.0},
    {"Lacerta", 22.5, 46.0},
    {"Leo", 10.7, 17.0},
    {"Leo Minor", 10.5, 35.0},
    {"Lepus", 5.5, -20.0},
    {"Libra", 15.2, -18.0},
    {"Lupus", 15.2, -45.0},
    {"Lynx", 8.0, 48.0},
    {"Lyra", 18.8, 36.0},
    {"Mensa", 5.5, -75.0},
    {"Microscopium", 21.1, -35.0},
    {"Monoceros", 7.1, -1.0},
    {"Musca", 12.5, -69.0},
    {"Norma", 16.3, -48.0},
    {"Octans", 21.0, -84.0},
    {"Ophiuchus", 17.0, 0.0},
    {"Orion", 5.6, 0.0},
    {"Pavo", 19.5, -67.0},
    {"Pegasus", 22.8, 22.0},
    {"Perseus", 3.5, 47.0},
    {"Phoenix", 1.0, -50.0},
    {"Pictor", 6.0, -56.0},
    {"Pisces", 1.0, 12.0},
    {"Piscis Austrinus", 22.4, -30.0},
    {"Puppis", 7.5, -38.0},
    {"Pyxis", 8.5, -31.0},
    {"Reticulum", 4.1, -63.0},
    {"Sagitta", 19.8, 18.0},
    {"Sagittarius", 19.0, -38.0},
    {"Scorpius", 16.8, -32.0},
    {"Sculptor", 0.0, -32.0},
    {"Scutum", 18.6, -10.0},
    {"Serpens", 15.7, 10.0},
    {"Sextans", 10.2, -5.0},
    {"Taurus", 4.5, 15.0},
    {"Telescopium", 18.4, -47.0},
    {"Triangulum", 2.1, 33.0},
    {"Triangulum Australe", 16.0, -66.0},
    {"Tucana", 23.5, -62.0},
    {"Ursa Major", 11.5, 57.0},
    {"Ursa Minor", 16.0, 80.0},
    {"Vela", 9.3, -48.0},
    {"Virgo", 13.3, -4.0},
    {"Volans", 8.0, -69.0},
    {"Vulpecula", 19.5, 23.0},
};

const GoToRow* GoToRowAt(int32_t index) {
  if (index < 0 || index >= GO_TO_ROW_COUNT) return nullptr;
  return &GO_TO_TABLE[index];
}

const GoToRow* FindGoToRowByName(std::string_view name) {
  for (const GoToRow& row : GO_TO_TABLE) {
    if (EqualIgnoringCase(row.name, name)) return &row;
  }
  return nullptr;
}

}  // namespace halvane
