#include "ui/StartupWarmUp.h"

#include "ui/ArtworkIds.h"
#include "ui/ResourceImages.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

StartupWarmUp::StartupWarmUp()
    : m_thread([] {
          QFontDatabase::families();
          // Opens the default face's file, which every thread's fonts share.
          (void)QFontMetrics(QFont()).height();
          // Looking at any compiled-in picture makes Qt read its list of image readers.
          (void)BitmapResourceSize(artwork::kAppIcon);
      }) {}

StartupWarmUp::~StartupWarmUp() {
    m_thread.join();
}
