#include "PictureSizeReader.h"

#include <QImageReader>

namespace orrinvale {

std::optional<PictureSize> readPictureSize(const std::string& path)
{
    QImageReader reader(QString::fromStdString(path));
    const QSize size = reader.size();
    if (!size.isValid())
        return std::nullopt;
    return PictureSize{size.width(), size.height()};
}

} // namespace orrinvale
