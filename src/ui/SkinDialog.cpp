#include "ui/SkinDialog.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "render/BmpReader.h"
#include "ui/SkinRegion.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cstring>
#include <future>
#include <map>
#include <mutex>
#include <system_error>

SkinDialog::SkinDialog(QSize templateSize, QWidget* parent) : QDialog(parent) {
    // Skinned windows have no caption; the template size holds until a skin replaces it.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // A Wayland compositor takes a window's mask for its input only: what lies outside the skin's
    // shape must be drawn transparent instead.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        setAttribute(Qt::WA_TranslucentBackground);
    resize(templateSize);
}

namespace {

// The skin file of the interface language when there is one, else the common one.
std::string SkinFile(const std::string& path) {
    return ResolveContentPath(LanguagePicturePath(path, g_strLangSuffix));
}

// A skin's picture and the window shape cut from it.
struct ShapedSkin {
    QImage picture;
    std::optional<QRegion> shape;
};

ShapedSkin ReadSkin(const std::string& file) {
    ShapedSkin skin;
    skin.picture = LoadPictureFile(file);
    if (!skin.picture.isNull())
        skin.shape = BuildSkinRegion(skin.picture, kSkinTransparent);
    return skin;
}

std::mutex g_prefetchMutex;

// Skins being read ahead, by file.
std::map<std::string, std::future<ShapedSkin>>& Prefetched() {
    static std::map<std::string, std::future<ShapedSkin>> pending;
    return pending;
}

// The skin read ahead for this file, waiting for it if need be; else read now.
ShapedSkin TakeSkin(const std::string& file) {
    std::future<ShapedSkin> prefetched;
    {
        const std::lock_guard lock(g_prefetchMutex);
        const auto found = Prefetched().find(file);
        if (found != Prefetched().end()) {
            prefetched = std::move(found->second);
            Prefetched().erase(found);
        }
    }
    return prefetched.valid() ? prefetched.get() : ReadSkin(file);
}

} // namespace

void SkinDialog::PrefetchSkin(const std::string& path) {
    const std::string file = SkinFile(path);
    if (!FileExists(file))
        return;
    const std::lock_guard lock(g_prefetchMutex);
    if (Prefetched().count(file) != 0)
        return;
    try {
        Prefetched().emplace(file, std::async(std::launch::async, [file] { return ReadSkin(file); }));
    } catch (const std::system_error&) {
        // No thread to spare: the window reads its skin itself.
    }
}

bool SkinDialog::InitSkin(const std::string& path) {
    const std::string resolved = SkinFile(path);
    if (!FileExists(resolved)) {
        m_strSkinPath.clear();
        m_bSkin = 0;
        return true;
    }
    m_strSkinPath = resolved;
    m_bSkin = 1;
    if (DisplayColourDepth() <= 4)
        return true;
    const ShapedSkin skin = TakeSkin(resolved);
    if (skin.picture.isNull()) {
        g_log.Write("SkinDialog: cannot read the skin %s", resolved.c_str());
        return true;
    }
    m_skin = skin.picture;
    m_nWidth = m_skin.width();
    m_nHeight = m_skin.height();
    resize(m_nWidth, m_nHeight);
    if (skin.shape) {
        m_region = *skin.shape;
        setMask(m_region);
    }
    return true;
}

void SkinDialog::StretchSkin(int atRow, int extra) {
    if (extra <= 0)
        return;
    if (m_skin.isNull() || atRow < 0 || atRow >= m_skin.height()) {
        resize(width(), height() + extra);
        return;
    }
    QImage taller(m_skin.width(), m_skin.height() + extra, m_skin.format());
    taller.setColorTable(m_skin.colorTable());
    const qsizetype rowBytes = m_skin.bytesPerLine();
    for (int y = 0; y < taller.height(); ++y) {
        const int from = y <= atRow ? y : y < atRow + extra ? atRow : y - extra;
        std::memcpy(taller.scanLine(y), m_skin.constScanLine(from), static_cast<size_t>(rowBytes));
    }
    m_skin = taller;
    m_nHeight = taller.height();
    resize(m_nWidth, m_nHeight);
    if (std::optional<QRegion> region = BuildSkinRegion(m_skin, kSkinTransparent)) {
        m_region = *region;
        setMask(m_region);
    }
}

int SkinDialog::DisplayColourDepth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 32;
}

void SkinDialog::paintEvent(QPaintEvent* event) {
    if (m_bSkin == 0 || m_skin.isNull()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (!m_region.isEmpty())
        painter.setClipRegion(m_region);
    painter.drawImage(0, 0, m_skin);
}

// Presses that a child control takes never reach the dialog; those on static texts and pictures pass
// through to it, so the window drags from there as well.
// The window manager moves a window when it can (the only way under Wayland, where a program cannot
// place its own windows); where it cannot, the window follows the mouse itself.
void SkinDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !m_bDragging && isWindow() && windowHandle() &&
        windowHandle()->startSystemMove()) {
        QDialog::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton && !m_bDragging) {
        m_dragAnchor = event->position().toPoint();
        m_bDragging = true;
        grabMouse();
    }
    QDialog::mousePressEvent(event);
}

void SkinDialog::mouseMoveEvent(QMouseEvent* event) {
    if (m_bDragging)
        move(pos() + (event->position().toPoint() - m_dragAnchor));
    QDialog::mouseMoveEvent(event);
}

void SkinDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_bDragging) {
        m_bDragging = false;
        releaseMouse();
    }
    QDialog::mouseReleaseEvent(event);
}
