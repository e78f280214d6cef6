target_sources(core PRIVATE
  src/ui/ButtonFace.cpp
  src/ui/MovieFormat.cpp
  src/ui/OlePicture.cpp
  src/ui/ScrollModel.cpp
  src/ui/SkinRegion.cpp
)
target_sources(gui PRIVATE
  src/ui/BitmapButton.cpp
  src/ui/CColourPicker.cpp
  src/ui/CMessageBoxNotice.cpp
  src/ui/CShockwaveFlash.cpp
  src/ui/StartupWarmUp.cpp
  src/ui/ProgramLook.cpp
  src/ui/ResourceImages.cpp
  src/ui/ScrollPanel.cpp
  src/ui/SkinDialog.cpp
)
