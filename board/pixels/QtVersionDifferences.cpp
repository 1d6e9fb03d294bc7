#include "QtVersionDifferences.h"

#include <QAccessible>

namespace orrinvale::qtversion {

std::unique_ptr<QAccessibleEvent> announcement(QObject* object, const QString& text)
{
    // The one type that exists only in one of the versions: the rest of the
    // differences are constants the callers test in plain code.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return std::make_unique<QAccessibleAnnouncementEvent>(object, text);
#else
    Q_UNUSED(object);
    Q_UNUSED(text);
    return nullptr;
#endif
}

} // namespace orrinvale::qtversion
