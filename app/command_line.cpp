// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <array>
#include <cstdio>

#include "tonalis/version.h"

namespace tonalis {

namespace {

// Qt's options that take a value, and those that do not; the application reads them.
constexpr std::array kQtValueOptions{
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "name",
    "style",       "stylesheet",         "qmljsdebugger"};
constexpr std::array kQtFlagOptions{"reverse", "widgetcount", "nograb", "dograb", "sync"};

void hideQtOptions(QCommandLineParser& parser) {
  for (const char* name : kQtValueOptions) {
    QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kQtFlagOptions) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

void print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

std::optional<int> answerCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Generates and reconstructs chords on a two-octave piano keyboard."));
  // Qt's options are written with one dash, "-platform offscreen".
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  hideQtOptions(parser);
  // Without an application object the usage names no program; it is this one.
  const QString usage =
      parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("tonalis"));

  if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
    const QString error =
        parser.errorText().isEmpty()
            ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().value(0))
            : parser.errorText();
    print(stderr, QStringLiteral("tonalis: %1\n%2").arg(error, usage));
    return kBadCommandLine;
  }
  if (parser.isSet(help)) {
    print(stdout, usage);
    return 0;
  }
  if (parser.isSet(version)) {
    print(stdout, QStringLiteral("tonalis %1\n").arg(QString::fromLatin1(version::text)));
    return 0;
  }
  return std::nullopt;
}

}  // namespace tonalis
