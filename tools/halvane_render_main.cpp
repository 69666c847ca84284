// halvane-render: draws one chart without a window, into a PNG and/or a trace of every
// drawing operation.
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/image_surface.h"
#include "platform/night_vision.h"
#include "platform/printable_text.h"
#include "platform/recording_surface.h"
#include "platform/translate.h"
#include "platform/translation.h"
#include "tools/render_chart.h"
#include "tools/render_options.h"

namespace {

constexpr int EXIT_ARGUMENTS = 2;

// Qt complains on stderr about a runtime folder that a one-shot renderer never uses.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("QStandardPaths:"))) return;
  std::cerr << qFormatLogMessage(type, context, message).toStdString() << '\n';
}

bool WriteTrace(const std::string& path, const std::vector<std::string>& lines) {
  if (path == "-") {
    for (const std::string& line : lines) std::cout << line << '\n';
    std::cout.flush();
    return static_cast<bool>(std::cout);
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const std::string& line : lines) out << line << '\n';
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace halvane;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  RenderOptions options;
  std::string error;
  if (!ParseRenderOptions(arguments, options, error)) {
    std::cerr << "halvane-render: " << error << '\n';
    return EXIT_ARGUMENTS;
  }
  if (options.help) {
    std::cout << RenderUsage();
    return EXIT_SUCCESS;
  }

  // Text needs fonts, and fonts need a GUI application; our arguments are kept from Qt.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietMessages);
  int qtArgc = 1;
  QGuiApplication application(qtArgc, argv);
  // Without --language the output stays the English that scripts read.
  UseLanguage(options.language.empty() ? "en" : options.language);

  ImageSurface image(options.width, options.height, options.scale);
  RecordingSurface recorder(&image);
  std::string bodies;
  if (!RenderChart(options, UniversalNow(), recorder, bodies, error)) {
    std::cerr << "halvane-render: " << error << '\n';
    return EXIT_ARGUMENTS;
  }
  if (options.night) ToNightVision(image.Image());

  int status = EXIT_SUCCESS;
  if (!options.outPath.empty() &&
      !image.Image().save(QString::fromStdString(options.outPath), "PNG")) {
    std::cerr << "halvane-render: "
              << FillArgs(Words::Tr("--out: cannot write '%1'"),
                          {PrintableText(options.outPath, ECHOED_VALUE_BYTES)})
              << '\n';
    status = EXIT_FAILURE;
  }
  if (!options.tracePath.empty() && !WriteTrace(options.tracePath, recorder.Lines())) {
    std::cerr << "halvane-render: "
              << FillArgs(Words::Tr("--trace: cannot write '%1'"),
                          {PrintableText(options.tracePath, ECHOED_VALUE_BYTES)})
              << '\n';
    status = EXIT_FAILURE;
  }
  if (!bodies.empty()) {
    std::cout << bodies;
    std::cout.flush();
    if (!std::cout) status = EXIT_FAILURE;
  }
  return status;
}
