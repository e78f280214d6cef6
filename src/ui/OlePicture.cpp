#include "ui/OlePicture.h"

#include "app/ContentPath.h"
#include "app/FileUtils.h"

#include <QFile>
#include <QPainter>

bool OlePicture::Load(const std::string& path) {
    const std::optional<std::string> bytes = ReadWholeFile(ResolveContentPath(path));
    if (!bytes) {
        Release();
        return false;
    }
    return LoadFromMemory(reinterpret_cast<const unsigned char*>(bytes->data()), bytes->size());
}

bool OlePicture::LoadFromResource(const std::string& name) {
    QFile file(QString::fromStdString(name));
    if (!file.open(QIODevice::ReadOnly)) {
        Release();
        return false;
    }
    const QByteArray bytes = file.readAll();
    return LoadFromMemory(reinterpret_cast<const unsigned char*>(bytes.constData()),
                          static_cast<size_t>(bytes.size()));
}

bool OlePicture::LoadFromMemory(const unsigned char* bytes, size_t length) {
    Release();
    if (bytes == nullptr || length == 0 || length > static_cast<size_t>(INT32_MAX))
        return false;
    m_bytes = QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(length));
    if (!m_image.loadFromData(m_bytes)) {
        Release();
        return false;
    }
    return true;
}

bool OlePicture::Draw(QPainter& painter, int x, int y, int width, int height) const {
    if (m_image.isNull())
        return false;
    painter.drawImage(QRect(x, y, width, height), m_image);
    return true;
}

void OlePicture::Release() {
    m_image = QImage();
    m_bytes.clear();
}
