#pragma once

// Resource and command ids of the program: templates, controls, menu commands, timers.

// Dialog templates.
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_GAME = 102;
constexpr int IDD_LIST = 132;
constexpr int IDD_INPUT_NAME = 133;

// Other resources.
constexpr int IDR_MAINFRAME = 128;  // the icon
constexpr int IDB_SPRITES = 129;    // the sprite sheet
constexpr int IDR_MENU = 130;
constexpr int IDS_ABOUTBOX = 101;
constexpr int IDM_ABOUTBOX = 16;

// Controls.
constexpr int IDC_LIST = 1000;
constexpr int IDC_CLEAR = 1001;
constexpr int IDC_NAME = 1002;

// Menu commands.
constexpr int ID_GAME_NEW = 32772;
constexpr int ID_GAME_LEADERBOARD = 32778;
constexpr int ID_GAME_EXIT = 32779;
constexpr int ID_HELP_INSTRUCTIONS = 32781;
constexpr int ID_HELP_CONTACT = 32782;
constexpr int ID_HELP_ABOUT = 32783;
constexpr int ID_GAME_OPEN = 32786;
constexpr int ID_GAME_SAVE = 32787;
// Commands by key only (res/menu.cpp names the keys): the pause, and the board cursor and the
// buttons for play without a mouse.
constexpr int ID_GAME_PAUSE = 32788;
constexpr int ID_KEY_LEFT = 32789;
constexpr int ID_KEY_RIGHT = 32790;
constexpr int ID_KEY_UP = 32791;
constexpr int ID_KEY_DOWN = 32792;
constexpr int ID_KEY_LAY = 32793;
constexpr int ID_KEY_REMOVE = 32794;
constexpr int ID_KEY_DISCARD = 32795;
constexpr int ID_KEY_FAST_FORWARD = 32796;

// Timers of the game window.
constexpr int WaterTimer = 0;
constexpr int HoverTimer = 1;
constexpr int AnimationTimer = 2;
constexpr int StartUpFileTimer = 3;  // once, to open the saved game named at start-up
// While another game holds the lock of list.txt: this game's change is written again.
constexpr int LeaderboardTimer = 4;
constexpr unsigned LEADERBOARD_RETRY_MS = 200;
constexpr unsigned HOVER_INTERVAL_MS = 30;
constexpr unsigned ANIMATION_INTERVAL_MS = 30;
