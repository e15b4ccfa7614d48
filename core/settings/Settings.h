#pragma once
#include <cstdint>
#include <string>

// Every value of the settings file, typed. The initialisers are what a missing key, or a flag
// or number that is no number, gives: a first run starts from Settings{}. Numbers are the item
// indexes of radio groups and drop-down boxes, kept as read (the controls apply their own rules
// to values out of range); texts are the bytes of the file.
struct Settings {
  // "Ini Parameters": the show window's displays.
  bool infoVisible = true;
  bool helpVisible = true;
  bool monoInfo = true;

  // "Setup Parameters": the show list window's play options and player.
  bool continuousMode = false;
  bool loopAll = false;
  int32_t chosenPlayer = 0;

  // "Bino".
  std::string binoLocation;
  bool binoFullScreen = true;
  int32_t binoFullScreenOption = 0;
  bool binoNoGui = true;
  bool binoCenter = true;
  bool binoSwap = false;
  int32_t binoVideoInput = 6;
  int32_t binoVideoOutput = 4;
  bool binoCrossTalk = false;
  std::string binoCrossTalkR = "0";
  std::string binoCrossTalkG = "0";
  std::string binoCrossTalkB = "0";
  std::string binoGhostBusting = "0";
  bool binoAddToList = true;
  bool binoSubtitles = false;
  int32_t binoScriptKind = 1;
  int32_t binoSubtitleEncoding = 0;
  int32_t binoSubtitleFont = 0;
  std::string binoSubtitleSize = "12";
  std::string binoSubtitleParallax = "0";
  // Which Bino the location holds; 0, Bino 1, for every file written before the choice existed.
  int32_t binoVersion = 0;

  // "SPlayer".
  std::string splayerLocation;
  bool splayerFullScreen = true;
  int32_t splayerFullScreenOption = 0;
  int32_t splayerVideoInput = 6;
  int32_t splayerVideoOutput = 6;
  bool splayerAddToList = true;
  int32_t splayerScriptKind = 1;
  bool splayerDeinterlace = false;
  std::string splayerParallax = "0";

  // "Floating": the floating frame's value as entered.
  std::string floatingValueText = "0";

  // "Venue": where and how the show runs in front of an audience.
  // Which area M covers: "window" (the show window's screen), a screen number counted from 1
  // (screens numbered left to right), or "all" (every screen side by side).
  std::string venueScreen = "window";
  // ESC, X, L, V and O act only on a second press within two seconds.
  bool showLock = false;
  // After a run that did not end with the program's own close, offer to continue the show.
  bool offerResume = true;

  // "Remote": the remote control. Off until the operator turns it on; then on this computer's
  // loopback address only, until a network address is chosen.
  bool remoteEnabled = false;
  std::string remoteListen = "127.0.0.1";
  int32_t remoteOscPort = 53100;
  int32_t remoteWebPort = 53180;
  // The web remote's PIN; empty until the remote is first turned on, which draws one.
  std::string remotePin;
  // Addresses besides loopback whose OSC is accepted, comma-separated.
  std::string remoteOscSenders;
  // The least time between two plays in milliseconds, so that a double press or a bouncing
  // button does not skip an item; 0 (or less): off.
  int32_t goProtection = 0;

  bool operator==(const Settings&) const = default;
};
