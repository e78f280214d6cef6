#pragma once

// Message numbers of the audio threads: the first user message number plus an offset per thread,
// and the notices the sound devices send back to the thread that owns them.
constexpr unsigned WM_USER = 1024;

constexpr unsigned WM_FILEPLAY_OPEN = WM_USER + 301;
constexpr unsigned WM_FILEPLAY_STOP = WM_USER + 302;
constexpr unsigned WM_FILEPLAY_SET_PLAYER = WM_USER + 303;
constexpr unsigned WM_FILEPLAY_END = WM_USER + 304;

constexpr unsigned WM_RECORD_START = WM_USER + 500;
constexpr unsigned WM_RECORD_STOP = WM_USER + 501;
constexpr unsigned WM_RECORD_SET_PLAYER = WM_USER + 502;
constexpr unsigned WM_RECORD_END = WM_USER + 503;
constexpr unsigned WM_RECORD_SET_WRITER = WM_USER + 504;

constexpr unsigned WM_PLAY_START = WM_USER + 600;
constexpr unsigned WM_PLAY_STOP = WM_USER + 601;
constexpr unsigned WM_PLAY_BLOCK = WM_USER + 602;
constexpr unsigned WM_PLAY_END = WM_USER + 603;

constexpr unsigned WM_WAVWRITE_OPEN = WM_USER + 700;
constexpr unsigned WM_WAVWRITE_DATA = WM_USER + 701;
constexpr unsigned WM_WAVWRITE_CLOSE = WM_USER + 702;
constexpr unsigned WM_WAVWRITE_END = WM_USER + 703;

// Device notices: an output block has been played, an input buffer has been filled. The block
// travels back to the owning thread as the message's payload.
constexpr unsigned MM_WOM_DONE = 0x3BD;
constexpr unsigned MM_WIM_DATA = 0x3C0;

// Flags of PlaySoundFile.
constexpr unsigned SND_ASYNC = 0x0001;
constexpr unsigned SND_FILENAME = 0x20000;
