// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// marlquin-assetgen --out <res folder> [--font <heavy TrueType font>] [--icons <folder>]
// Draws every picture and synthesises every sound the game reads from res/, and the
// desktop icons when asked.
#include <QGuiApplication>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <string>

#include "AssetSet.h"
#include "Lettering.h"

namespace {

struct Options {
  std::string out;
  std::string font;
  std::string icons;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; i += 2) {
    const std::string flag = argv[i];
    if (i + 1 == argc) return std::nullopt;
    if (flag == "--out") {
      options.out = argv[i + 1];
    } else if (flag == "--font") {
      options.font = argv[i + 1];
    } else if (flag == "--icons") {
      options.icons = argv[i + 1];
    } else {
      return std::nullopt;
    }
  }
  if (options.out.empty()) return std::nullopt;
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) {
    std::cerr << "usage: marlquin-assetgen --out <dir> [--font <Lato-Black.ttf>] [--icons <dir>]\n";
    return 2;
  }
  // The build machine may have no display.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  if (!options->font.empty() &&
      !marlquin::assetgen::UseFontFile(QString::fromStdString(options->font))) {
    std::cerr << "marlquin-assetgen: cannot read " << options->font
              << "; the lettering uses the system's heaviest face instead\n";
  }
  try {
    marlquin::assetgen::WriteAssetSet(options->out);
    if (!options->icons.empty()) marlquin::assetgen::WriteIconTheme(options->icons);
  } catch (const std::exception& error) {
    std::cerr << "marlquin-assetgen: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
