target_sources(core PRIVATE
  src/charstudy/CDrawCircle.cpp
  src/charstudy/CDrawEllipse.cpp
  src/charstudy/CDrawFont.cpp
  src/charstudy/CDrawLine.cpp
  src/charstudy/CDrawObject.cpp
  src/charstudy/CDrawPLine.cpp
  src/charstudy/CDrawRect.cpp
  src/charstudy/CDrawTwoPoint.cpp
  src/charstudy/DrawObjectFile.cpp
  src/charstudy/HandwritingPractice.cpp
  src/charstudy/RefusalExplanation.cpp
  src/charstudy/StrokeChecker.cpp
  src/charstudy/StrokeFile.cpp
  src/charstudy/WordData.cpp
  src/charstudy/StrokeAnimation.cpp
)
target_sources(gui PRIVATE
  src/charstudy/CGradeDlg.cpp
  src/charstudy/CWordStudyDlg.cpp
  src/charstudy/CWritingPad.cpp
  src/charstudy/CWritingPadDlg.cpp
  src/charstudy/StepTimer.cpp
)
