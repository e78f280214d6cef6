pkg_check_modules(PORTAUDIO REQUIRED IMPORTED_TARGET portaudio-2.0)
pkg_check_modules(MPG123 REQUIRED IMPORTED_TARGET libmpg123)
pkg_check_modules(SOUNDTOUCH REQUIRED IMPORTED_TARGET soundtouch)

target_sources(core PRIVATE
  src/audio/AudioNotice.cpp
  src/audio/CClockTimer.cpp
  src/audio/ChildProcessTrial.cpp
  src/audio/CFileSoundDevices.cpp
  src/audio/CFileWaveInput.cpp
  src/audio/CFileWaveOutput.cpp
  src/audio/ConvertMp3ToWav.cpp
  src/audio/CPlayMMSound.cpp
  src/audio/CPlaySound.cpp
  src/audio/CPortAudioDevices.cpp
  src/audio/CPortAudioInput.cpp
  src/audio/CPortAudioOutput.cpp
  src/audio/CRecordSound.cpp
  src/audio/CSoundPlayer.cpp
  src/audio/CSystemClock.cpp
  src/audio/CWaitableEvent.cpp
  src/audio/CWaveFileView.cpp
  src/audio/CWorkerThread.cpp
  src/audio/CWriteSoundFile.cpp
  src/audio/Mp3Decoder.cpp
  src/audio/PitchTracker.cpp
  src/audio/ToneScoring.cpp
  src/audio/PortAudioLibrary.cpp
  src/audio/PortAudioStream.cpp
  src/audio/SoundDevices.cpp
  src/audio/SpeakingPractice.cpp
  src/audio/SpeakingPracticeSession.cpp
  src/audio/SpeechSpeed.cpp
  src/audio/WaveFormat.cpp
)
# PortAudio's header only: the library itself is opened at the first sound (PortAudioLibrary.cpp).
target_include_directories(core PUBLIC ${PORTAUDIO_INCLUDE_DIRS})
target_link_libraries(core PUBLIC PkgConfig::MPG123 ${CMAKE_DL_LIBS})
target_link_libraries(core PRIVATE PkgConfig::SOUNDTOUCH)

# The speaking practice pane and its waveform controls.
target_sources(gui PRIVATE
  src/audio/CListenSpeakDlg.cpp
  src/audio/CPitchContourView.cpp
  src/audio/CSpeedChoice.cpp
  src/audio/CWaveformStatic.cpp
)
