// halvane-catalog: builds the catalogs from the source data, and describes a catalog file.
//   halvane-catalog build --source DIR --out DIR
//   halvane-catalog build-cities --source FILE --out DIR
//   halvane-catalog info FILE [--kind KIND]
#include <QCoreApplication>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/printable_text.h"
#include "platform/translate.h"
#include "platform/translation.h"
#include "tools/catalog_builder.h"
#include "tools/catalog_info.h"
#include "tools/city_builder.h"
#include "tools/sky_catalog_builder.h"

namespace {

constexpr int USAGE_ERROR = 2;

std::string UsageText() {
  //: the command's words and options stay as they are; %1 lists the kinds of file,
  //: "stars|lines|..."
  return halvane::FillArgs(
      halvane::Words::Tr("usage: halvane-catalog build --source DIR --out DIR [--names FILE]\n"
                         "       halvane-catalog build-cities --source FILE --out DIR\n"
                         "       halvane-catalog info FILE [--kind %1]\n"),
      {halvane::CatalogKindNames("|")});
}

std::string Echoed(const std::string& value) {
  return halvane::PrintableText(value, halvane::ECHOED_VALUE_BYTES);
}

int Usage(const std::string& problem) {
  //: %1 says what is wrong with the command line
  std::cerr << "halvane-catalog: "
            << halvane::FillArgs(halvane::Words::Tr("%1 (see halvane-catalog --help)"), {problem})
            << "\n";
  return USAGE_ERROR;
}

int Build(const std::vector<std::string>& args) {
  std::string source;
  std::string out;
  std::string names;  // the table of common names, optional
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option != "--source" && option != "--out" && option != "--names")
      return Usage(halvane::FillArgs(halvane::Words::Tr("unknown option '%1'"), {Echoed(option)}));
    if (i + 1 >= args.size() || args[i + 1].empty()) {
      return Usage(halvane::FillArgs(option == "--names" ? halvane::Words::Tr("%1 needs a file")
                                                         : halvane::Words::Tr("%1 needs a folder"),
                                     {option}));
    }
    (option == "--source" ? source : option == "--out" ? out : names) = args[++i];
  }
  if (source.empty()) return Usage(halvane::Words::Tr("build needs --source DIR"));
  if (out.empty()) return Usage(halvane::Words::Tr("build needs --out DIR"));

  halvane::BuildSummary summary;
  std::string error;
  if (!halvane::BuildCatalogs(source, out, summary, error)) {
    std::cerr << "halvane-catalog: " << error << "\n";
    return 1;
  }
  for (const std::string& note : summary.notes) std::cout << note << "\n";
  std::cout << "Stars.dat: " << summary.stars << " stars (" << summary.starsWithoutColor
            << " without colour)\n"
            << "ConLin.dat: " << summary.segments << " segments\n"
            << "ConBon.dat: " << summary.vertices << " vertices on " << summary.boundaryLines
            << " boundary lines\n"
            << "Labels.dat: " << summary.labels << " names\n";

  halvane::SkyBuildSummary sky;
  if (!halvane::BuildSkyCatalogs(source, out, sky, error, names)) {
    std::cerr << "halvane-catalog: " << error << "\n";
    return 1;
  }
  for (const std::string& note : sky.notes) std::cout << note << "\n";
  std::cout << "FaintStars.dat: " << sky.faintStars << " stars\n"
            << "DeepSky.dat: " << sky.deepSky << " objects\n"
            << "MilkyWay.dat: " << sky.milkyWayVertices << " vertices on " << sky.milkyWayRings
            << " rings\n"
            << "Names.dat: " << sky.names << " names\n";
  for (const auto& [language, count] : sky.localNames) {
    std::cout << "SkyNames.dat: " << language << " names " << count.constellations
              << " constellations, " << count.deepSky << " of " << sky.namedDeepSky
              << " named deep-sky objects; " << count.keptRecords << " records\n";
  }
  return 0;
}

int Info(const std::vector<std::string>& args) {
  std::string file;
  std::optional<halvane::CatalogKind> kind;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--kind") {
      if (i + 1 >= args.size())
        //: %1 lists the kinds of file: "stars, lines, ..."
        return Usage(halvane::FillArgs(halvane::Words::Tr("--kind needs one of %1"),
                                       {halvane::CatalogKindNames(", ")}));
      kind = halvane::ParseCatalogKind(args[++i]);
      if (!kind) {
        return Usage(halvane::FillArgs(halvane::Words::Tr("unknown kind '%1'"), {Echoed(args[i])}));
      }
      continue;
    }
    if (args[i].starts_with("--")) {
      return Usage(halvane::FillArgs(halvane::Words::Tr("unknown option '%1'"), {Echoed(args[i])}));
    }
    if (!file.empty()) return Usage(halvane::Words::Tr("info takes one file"));
    file = args[i];
  }
  if (file.empty()) return Usage(halvane::Words::Tr("info needs a file"));
  return halvane::PrintCatalogInfo(file, kind, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  // Qt's JSON and text classes need no event loop, but an application object keeps its
  // locale handling in one known state.
  QCoreApplication application(argc, argv);
  halvane::UseLanguage("en");  // for the counts' singular: "only 1 byte"
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::cerr << UsageText();
    return USAGE_ERROR;
  }
  const std::string command = args.front();
  args.erase(args.begin());
  if (command == "build") return Build(args);
  if (command == "build-cities") return halvane::RunBuildCities(args, std::cout, std::cerr);
  if (command == "info") return Info(args);
  if (command == "--help" || command == "-h") {
    std::cout << UsageText();
    return 0;
  }
  return Usage(halvane::FillArgs(halvane::Words::Tr("unknown command '%1'"), {Echoed(command)}));
}
