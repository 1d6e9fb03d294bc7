#include "AccessibleStops.h"

#include "NamesPanel.h"
#include "PlayTexts.h"
#include "QtLayout.h"
#include "QtVersionDifferences.h"
#include "StateMapView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <map>

namespace orrinvale {

namespace {

bool isNames(const PlayStop* stop)
{
    return stop->stop() == Stop::Names;
}

QString instructions(const PlayStop* stop)
{
    return QString::fromStdString(inTermsOf(stop->play().board().map(), isNames(stop) ? texts::kNamesPanelHelp : texts::kMapHelp));
}

// One name of the panel, or one state of the map.
class ItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ItemAccessible(PlayStop* stop, int item) : stop_(stop), item_(item) {}

    bool isValid() const override { return !stop_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return stop_ ? stop_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(stop_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!stop_)
            return {};
        if (t == QAccessible::Name) {
            const QString name = isNames(stop_) ? shownCaption(stop_->play().board().panelName(item_).caption)
                                                : QString::fromStdString(texts::stateName(stop_->play(), item_));
            // Without announcements, a result told where the focus stays is
            // heard as the focused item's new name.
            if (!qtversion::kAnnounces && stop_->resultInPlace(item_))
                return stop_->resultOn(item_) + QStringLiteral(". ") + name;
            return name;
        }
        if (t == QAccessible::Description) {
            // The last result told here, else where the item lies; on the
            // first visit to its stop, the stop's keys after it.
            QString told = stop_->resultOn(item_);
            if (told.isEmpty())
                told = QString::fromStdString(isNames(stop_) ? texts::namePosition(stop_->play(), item_)
                                                             : texts::whereabouts(stop_->play(), item_));
            if (stop_->instructionsDue() && stop_->currentItem() == item_)
                told += QStringLiteral(". ") + instructions(stop_);
            return told;
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!stop_)
            return {};
        const QRect box = stop_->itemBox(item_);
        return {stop_->window()->mapToGlobal(box.topLeft()), box.size()};
    }
    QAccessible::Role role() const override
    {
        return stop_ && isNames(stop_) ? QAccessible::ListItem : QAccessible::Button;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!stop_) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        const bool current = stop_->currentItem() == item_;
        s.focused = current && stop_->hasFocus();
        if (isNames(stop_)) {
            s.invisible = !stop_->play().grid().unplaced(item_);
            s.selectable = true;
            s.selected = current;
            // Only the held name is checkable, and checked: a reader would
            // say "not checked" of every other name.
            s.checked = s.checkable = stop_->play().held() == item_;
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    // The one action: pick the name up, or drop the held name on the state.
    QStringList actionNames() const override { return {pressAction()}; }
    QString localizedActionName(const QString& name) const override
    {
        if (name != pressAction() || !stop_)
            return QAccessibleActionInterface::localizedActionName(name);
        return QString::fromLatin1(isNames(stop_) ? texts::kPickUpAction : texts::kDropAction);
    }
    QString localizedActionDescription(const QString& name) const override { return localizedActionName(name); }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && stop_)
            stop_->activate(item_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {QStringLiteral("Space")}; }

private:
    QPointer<PlayStop> stop_;
    int item_;
};

// The names panel or the map.
class StopAccessible : public QAccessibleWidget {
public:
    explicit StopAccessible(PlayStop* stop)
        : QAccessibleWidget(stop, isNames(stop) ? QAccessible::List : QAccessible::Grouping,
                            QString::fromStdString(inTermsOf(stop->play().board().map(),
                                                             isNames(stop) ? texts::kNamesPanel : texts::kMap)))
    {
    }
    ~StopAccessible() override
    {
        for (const auto& [item, id] : items_)
            QAccessible::deleteAccessibleInterface(id);
    }

    PlayStop* stop() const { return static_cast<PlayStop*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return stop()->instructionsDue() ? instructions(stop()) : QString();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return stop()->childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        const int item = stop()->itemOfChild(index);
        if (item < 0 || index >= childCount())
            return nullptr;
        const auto found = items_.find(item);
        if (found != items_.end())
            return QAccessible::accessibleInterface(found->second);
        auto* iface = new ItemAccessible(stop(), item);
        items_[item] = QAccessible::registerAccessibleInterface(iface);
        return iface;
    }
    void renew(int item)
    {
        const auto found = items_.find(item);
        if (found == items_.end())
            return;
        QAccessible::deleteAccessibleInterface(found->second);
        items_.erase(found);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [item, id] : items_) {
            if (QAccessible::accessibleInterface(id) == child)
                return stop()->childOfItem(item);
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!stop()->hasFocus())
            return nullptr;
        const int child = stop()->childOfItem(stop()->currentItem());
        return child < 0 ? nullptr : this->child(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint p = stop()->window()->mapFromGlobal(QPoint(x, y));
        for (int c = childCount() - 1; c >= 0; --c) {
            if (stop()->itemBox(stop()->itemOfChild(c)).contains(p))
                return child(c);
        }
        return nullptr;
    }

private:
    mutable std::map<int, QAccessible::Id> items_;
};

QAccessibleInterface* accessibleStops(const QString& className, QObject* object)
{
    if (className == QLatin1String("orrinvale::NamesPanel") || className == QLatin1String("orrinvale::StateMapView"))
        return new StopAccessible(static_cast<PlayStop*>(object));
    if (className == QLatin1String("orrinvale::InstructionsText"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    return nullptr;
}

} // namespace

void renewItem(PlayStop* stop, int item)
{
    if (auto* iface = dynamic_cast<StopAccessible*>(QAccessible::queryAccessibleInterface(stop)))
        iface->renew(item);
}

void installAccessibleStops()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(accessibleStops);
        installed = true;
    }
}

} // namespace orrinvale
