#include "MapChooser.h"

#include "MapCatalogue.h"
#include "MapPicture.h"
#include "MapResource.h"
#include "QtLayout.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrinvale {

namespace {

constexpr QSize kPictureSize(200, 130);

// The map's picture made small, on the window's white, centred in the
// picture box whatever the map's shape.
QPixmap smallPicture(const BoardMap& map)
{
    MapPicture picture(QString::fromStdString(map.picture), QString::fromStdString(map.prebuilt));
    const QPixmap full = picture.pixmap(pixelRect(map.mapPicture).size(), 1.0);
    const QPixmap small = full.scaled(kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap framed(kPictureSize);
    framed.fill(Qt::white);
    QPainter p(&framed);
    p.drawPixmap((kPictureSize.width() - small.width()) / 2, (kPictureSize.height() - small.height()) / 2, small);
    return framed;
}

} // namespace

MapChooser::MapChooser(const std::string& current, QWidget* parent) : QDialog(parent)
{
    registerProgramPictures();
    setWindowTitle(QStringLiteral("Orrinvale: choose a map"));
    auto* label = new QLabel(QStringLiteral("&Maps:"), this);
    list_ = new QListWidget(this);
    label->setBuddy(list_);
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(kPictureSize);
    list_->setGridSize(kPictureSize + QSize(24, 56));
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setWordWrap(true);
    list_->setAccessibleName(QStringLiteral("Maps"));
    list_->setMinimumSize(4 * list_->gridSize().width() + 24, 2 * list_->gridSize().height() + 8);
    for (const MapEntry& entry : kMaps)
        addMap(std::string(entry.id));
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->data(Qt::UserRole).toString().toStdString() == current)
            list_->setCurrentRow(row);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* play = buttons->button(QDialogButtonBox::Ok);
    play->setText(QStringLiteral("&Play"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Play plays the map chosen, and waits while none is (a Ctrl+click
    // clears the choice). Enter or a double click on a map chooses it.
    play->setEnabled(!list_->selectedItems().isEmpty());
    connect(list_, &QListWidget::itemSelectionChanged, play,
            [this, play] { play->setEnabled(!list_->selectedItems().isEmpty()); });
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        item->setSelected(true);
        accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    list_->setFocus();
}

void MapChooser::addMap(const std::string& id)
{
    const auto map = loadMap(id);
    const auto* read = std::get_if<BoardMap>(&map);
    if (!read)
        return;  // a map the program cannot read is not offered
    const QString text = QStringLiteral("%1\n%2 %3")
                             .arg(QString::fromStdString(read->title))
                             .arg(read->nameCount())
                             .arg(QString::fromStdString(read->nounPlural));
    auto* item = new QListWidgetItem(QIcon(smallPicture(*read)), text, list_);
    item->setData(Qt::UserRole, QString::fromStdString(id));
    item->setData(Qt::AccessibleTextRole, QString(text).replace(QLatin1Char('\n'), QStringLiteral(", ")));
}

std::string MapChooser::chosen() const
{
    const QList<QListWidgetItem*> items = list_->selectedItems();
    return items.isEmpty() ? std::string() : items.first()->data(Qt::UserRole).toString().toStdString();
}

} // namespace orrinvale
