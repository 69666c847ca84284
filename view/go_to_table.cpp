// The go-to table and its lookups.
#include "view/go_to_table.h"

#include "astro/angles.h"
#include "astro/observer.h"

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

constexpr GoToRow GO_TO_TABLE[GO_TO_ROW_COUNT + 1] = {
    {40100, "Andromeda", 1.0, 38.0},
    {40101, "Antlia", 10.1, -31.0},
    {40102, "Apus", 16.0, -79.0},
    {40103, "Aquarius", 22.3, -10.0},
    {40104, "Aquila", 19.6, 3.0},
    {40105, "Ara", 17.5, -55.0},
    {40106, "Aries", 2.5, 20.0},
    {40107, "Auriga", 6.0, 40.0},
    {40108, "Bootes", 14.5, 30.0},
    {40109, "Caelum", 4.8, -40.0},
    {40110, "Camelopardalis", 4.5, 63.0},
    {40111, "Cancer", 8.7, 20.0},
    {40112, "Canes Venatici", 13.0, 40.0},
    {40113, "Canis Major", 7.0, -20.0},
    {40114, "Canis Minor", 7.6, 7.0},
    {40115, "Capricornus", 21.0, -20.0},
    {40116, "Carina", 8.4, -60.0},
    {40117, "Cassiopeia", 1.0, 60.0},
    {40118, "Centaurus", 13.5, -45.0},
    {40119, "Cepheus", 22.0, 66.0},
    {40120, "Cetus", 1.6, -8.0},
    {40121, "Chamaeleon", 10.5, -79.0},
    {40122, "Circinus", 15.0, -62.0},
    {40123, "Columba", 5.8, -35.0},
    {40124, "Coma Berenices", 12.9, 25.0},
    {40125, "Corona Australis", 19.0, -40.0},
    {40126, "Corona Borealis", 15.8, 28.0},
    {40127, "Corvus", 12.4, -20.0},
    {40128, "Crater", 11.4, -18.0},
    {40129, "Crux", 12.5, -60.0},
    {40130, "Cygnus", 20.4, 40.0},
    {40131, "Delphinus", 20.7, 14.0},
    {40132, "Dorado", 5.0, -58.0},
    {40133, "Draco", 17.0, 65.0},
    {40134, "Equuleus", 21.3, 7.0},
    {40135, "Eridanus", 4.0, -20.0},
    {40136, "Fornax", 2.8, -30.0},
    {40137, "Gemini", 7.0, 25.0},
    {40138, "Grus", 22.5, -45.0},
    {40139, "Hercules", 17.0, 35.0},
    {40140, "Horologium", 3.0, -55.0},
    {40141, "Hydra", 10.5, -20.0},
    {40142, "Hydrus", 2.0, -70.0},
    {40143, "Indus", 21.3, -54.0},
    {40144, "Lacerta", 22.5, 46.0},
    {40145, "Leo", 10.7, 17.0},
    {40146, "Leo Minor", 10.5, 35.0},
    {40147, "Lepus", 5.5, -20.0},
    {40148, "Libra", 15.2, -18.0},
    {40149, "Lupus", 15.2, -45.0},
    {40150, "Lynx", 8.0, 48.0},
    {40151, "Lyra", 18.8, 36.0},
    {40152, "Mensa", 5.5, -75.0},
    {40153, "Microscopium", 21.1, -35.0},
    {40154, "Monoceros", 7.1, -1.0},
    {40155, "Musca", 12.5, -69.0},
    {40156, "Norma", 16.3, -48.0},
    {40157, "Octans", 21.0, -84.0},
    {40158, "Ophiuchus", 17.0, 0.0},
    {40159, "Orion", 5.6, 0.0},
    {40160, "Pavo", 19.5, -67.0},
    {40161, "Pegasus", 22.8, 22.0},
    {40162, "Perseus", 3.5, 47.0},
    {40163, "Phoenix", 1.0, -50.0},
    {40164, "Pictor", 6.0, -56.0},
    {40165, "Pisces", 1.0, 12.0},
    {40166, "Piscis Austrinus", 22.4, -30.0},
    {40167, "Puppis", 7.5, -38.0},
    {40168, "Pyxis", 8.5, -31.0},
    {40169, "Reticulum", 4.1, -63.0},
    {40170, "Sagitta", 19.8, 18.0},
    {40171, "Sagittarius", 19.0, -38.0},
    {40172, "Scorpius", 16.8, -32.0},
    {40173, "Sculptor", 0.0, -32.0},
    {40174, "Scutum", 18.6, -10.0},
    {40175, "Serpens", 15.7, 10.0},
    {40176, "Sextans", 10.2, -5.0},
    {40177, "Taurus", 4.5, 15.0},
    {40178, "Telescopium", 18.4, -47.0},
    {40179, "Triangulum", 2.1, 33.0},
    {40180, "Triangulum Australe", 16.0, -66.0},
    {40181, "Tucana", 23.5, -62.0},
    {40182, "Ursa Major", 11.5, 57.0},
    {40183, "Ursa Minor", 16.0, 80.0},
    {40184, "Vela", 9.3, -48.0},
    {40185, "Virgo", 13.3, -4.0},
    {40186, "Volans", 8.0, -69.0},
    {40187, "Vulpecula", 19.5, 23.0},
    {0, "", 0.0, 0.0},
};

const GoToRow* FindGoToRow(int32_t command) {
  for (const GoToRow& row : GO_TO_TABLE) {
    if (row.command == 0) return nullptr;
    if (row.command == command) return &row;
  }
  return nullptr;
}

const GoToRow* FindGoToRowByName(std::string_view name) {
  for (const GoToRow& row : GO_TO_TABLE) {
    if (row.command == 0) return nullptr;
    if (EqualIgnoringCase(row.name, name)) return &row;
  }
  return nullptr;
}

void GoToConstellation(Observer& observer, const GoToRow& row, double siderealAngle) {
  const double declination = row.declinationDegrees * DEG_TO_RAD;
  const double hourAngle = row.rightAscensionHours * HOURS_TO_RAD - siderealAngle;
  double azimuth = 0.0;
  double altitude = 0.0;
  observer.EquatorialToHorizontal(hourAngle, declination, azimuth, altitude);
  observer.SetViewDirection(azimuth, altitude);
}

}  // namespace halvane
