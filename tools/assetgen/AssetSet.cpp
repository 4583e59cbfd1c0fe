// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssetSet.h"

#include <string>
#include <vector>

#include "BallPictures.h"
#include "ControlPictures.h"
#include "CreaturePictures.h"
#include "EffectPictures.h"
#include "FramePictures.h"
#include "Music.h"
#include "PictureFiles.h"
#include "SeaPicture.h"
#include "SoundEffects.h"
#include "SoundFiles.h"

namespace marlquin::assetgen {
namespace {

constexpr int MusicKilobits = 160;
constexpr int DingKilobits = 128;
constexpr int WindowIconSize = 64;
constexpr int IconThemeSizes[] = {16, 32, 48, 64, 128, 256};

void WritePictures(const std::filesystem::path& folder) {
  const std::vector<QImage> balls = BallPictures();
  for (size_t i = 0; i < balls.size(); ++i) {
    SavePng(folder / ("b" + std::to_string(i) + ".png"), balls[i]);
  }
  SaveCompressedPng(folder / "icon.png", WindowIcon(WindowIconSize));
  SavePng(folder / "btnface.png", ButtonFaces());
  SavePng(folder / "bt1.png", ToggleSheet(ToggleIcon::Speaker));
  SavePng(folder / "bt2.png", ToggleSheet(ToggleIcon::Note));
  SavePng(folder / "handicon.png", HandCursor());
  SavePng(folder / "ctrl.png", Launcher());
  SavePng(folder / "pp.png", Droplet());
  SaveBmp24(folder / "222.bmp", PauseIcon());
  SavePng(folder / "b.png", Explosion());
  SavePng(folder / "lvlup.png", LevelUpBanner());
  SavePng(folder / "s1.png", Jellyfish());
  SavePng(folder / "s2.png", ReefFish());
  SavePng(folder / "s3.png", Squid());
  SavePng(folder / "s4.png", Seahorse());
  SavePng(folder / "Bg.png", SeaBackground());
  SavePng(folder / "guiframe.png", PlayFrame());
  SavePng(folder / "frame.png", MenuFrame());
  SavePng(folder / "frame1.png", HighScoreFrame());
}

void WriteSounds(const std::filesystem::path& folder) {
  const std::filesystem::path sound = folder / "sound";
  std::filesystem::create_directories(sound);
  SaveMp3(sound / "gp.mp3", BackgroundMusic(), MusicKilobits);
  SaveMp3(sound / "wb.mp3", LandingDing(), DingKilobits);
  SaveWav(sound / "BOMB.wav", BombBlast());
  SaveWav(sound / "poppao.wav", SplashPop());
}

}  // namespace

void WriteAssetSet(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  WritePictures(folder);
  WriteSounds(folder);
}

void WriteIconTheme(const std::filesystem::path& folder) {
  for (const int size : IconThemeSizes) {
    const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path apps = folder / "hicolor" / sizeName / "apps";
    std::filesystem::create_directories(apps);
    SaveCompressedPng(apps / "marlquin.png", WindowIcon(size));
  }
}

}  // namespace marlquin::assetgen
