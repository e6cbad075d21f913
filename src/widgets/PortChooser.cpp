// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PortChooser.h"

#include "DialogHelpers.h"
#include "PortNames.h"
#include "Preferences.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include <utility>

namespace {

// The item's text is the port's name, so that choosing it puts the name into the field and
// typing completes names; the list itself shows the label with the adapter.
constexpr int kLabelRole = Qt::UserRole + 1;

class LabelDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const QString label = index.data(kLabelRole).toString();
    if (!label.isEmpty()) option->text = label;
  }
};

// Looks at the system as the list opens; a port found then appears in the open list.
class PortComboBox : public QComboBox {
 public:
  PortComboBox(std::function<void()> beforePopup, QWidget *parent)
      : QComboBox(parent), beforePopup_(std::move(beforePopup)) {}

  void showPopup() override {
    beforePopup_();
    QComboBox::showPopup();
  }

 private:
  std::function<void()> beforePopup_;
};

bool SameList(const QList<PortEntry> &a, const QList<PortEntry> &b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (a.at(i).name != b.at(i).name || PortNames::Label(a.at(i)) != PortNames::Label(b.at(i)))
      return false;
  return true;
}

}  // namespace

PortChooser::PortChooser(QWidget *parent) : QWidget(parent) {
  label_ = new QLabel(tr("Port:"), this);
  label_->setObjectName(QStringLiteral("portLabel"));
  combo_ = new PortComboBox([this] { Refresh(); }, this);
  combo_->setObjectName(QStringLiteral("portComboBox"));
  combo_->setEditable(true);
  combo_->setInsertPolicy(QComboBox::NoInsert);
  combo_->setMinimumContentsLength(12);
  combo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo_->setItemDelegate(new LabelDelegate(combo_));
  label_->setBuddy(combo_);
  hint_ = new QLabel(this);
  hint_->setObjectName(QStringLiteral("portHintLabel"));
  // A device path or a group name is never markup; the command can be copied with the mouse.
  hint_->setTextFormat(Qt::PlainText);
  hint_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  hint_->hide();

  auto *layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label_, 0, 0);
  layout->addWidget(combo_, 0, 1);
  layout->addWidget(hint_, 1, 1, 1, 2);
  layout->setColumnStretch(2, 1);
  setFocusProxy(combo_);

  lookTimer_.setSingleShot(true);
  connect(&lookTimer_, &QTimer::timeout, this, &PortChooser::Look);
  // One listing at a time; the thread goes when it has had nothing to do for a while.
  pool_.setMaxThreadCount(1);
  pool_.setExpiryTimeout(5000);
}

PortChooser::~PortChooser() = default;

void PortChooser::SetPortWatch(std::unique_ptr<PortWatch> watch) {
  watch_ = std::move(watch);
  if (!watch_) return;
  connect(watch_.get(), &PortWatch::Changed, this, [this] { lookTimer_.start(kSettleMs); });
  watch_->SetActive(isActiveWindow());
}

void PortChooser::Start() {
  // The window is there before anything else: listing the ports waits for its first paint.
  if (isVisible() && !painted_)
    waitingForPaint_ = true;
  else
    Refresh();
}

QString PortChooser::PortName() const { return combo_->currentText().trimmed(); }

// Only the port of exactly that name: "ttyUSB1" must never pick "ttyUSB10" when the adapter
// it stood for has gone.
void PortChooser::SetPortName(const QString &name) {
  const PortEntry *port = PortNames::Find(listed_, name);
  const int index = port ? combo_->findText(port->name, Qt::MatchFixedString | Qt::MatchCaseSensitive)
                         : -1;
  if (index >= 0)
    combo_->setCurrentIndex(index);
  else
    combo_->setEditText(name);
}

void PortChooser::RememberPort(const QString &name) {
  PortEntry remembered;
  remembered.name = name;
  if (const PortEntry *port = PortNames::Find(listed_, name)) {
    remembered.serialNumber = port->serialNumber;
    remembered.vendorId = port->vendorId;
    remembered.productId = port->productId;
  }
  Preferences().SetLastPortEntry(remembered);
}

void PortChooser::Refresh() {
  lookTimer_.stop();
  Look();
}

void PortChooser::Look() {
  if (!source_) return;
  if (transferRunning_ && transferRunning_()) {
    lookTimer_.start(kBusyRetryMs);
    return;
  }
  // What the running listing saw may be older than the change: one more once it is done.
  if (listing_) {
    again_ = true;
    return;
  }
  listing_ = true;
  pool_.start([this, source = source_] {
    const PortListing listing = source();
    QMetaObject::invokeMethod(
        this, [this, listing] { OnListed(listing); }, Qt::QueuedConnection);
  });
}

void PortChooser::OnListed(const PortListing &listing) {
  listing_ = false;
  Apply(listing);
  emit PortsListed();
  if (std::exchange(again_, false)) Look();
}

void PortChooser::paintEvent(QPaintEvent *event) {
  QWidget::paintEvent(event);
  painted_ = true;
  // Once this paint has reached the screen.
  if (std::exchange(waitingForPaint_, false)) lookTimer_.start(kAfterFirstPaintMs);
}

void PortChooser::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && watch_) watch_->SetActive(isActiveWindow());
}

void PortChooser::Apply(const PortListing &listing) {
  const QString hint = listing.deniedHint.trimmed();
  if (hint != hint_->text()) {
    hint_->setText(hint);
    hint_->setVisible(!hint.isEmpty());
    // A screen reader says it with the field, as the eye sees it under the field.
    combo_->setAccessibleDescription(hint);
  }
  QList<PortEntry> openable;
  for (const PortEntry &port : listing.ports)
    if (port.canOpen) openable.append(port);
  PortNames::Sort(openable);
  if (SameList(openable, listed_)) return;
  listed_ = openable;
  Fill(listed_);
  // Once ports are there and the field is empty, and not because the user emptied it, offer
  // the one a start would.
  QLineEdit *edit = combo_->lineEdit();
  if (edit->text().isEmpty() && !edit->isModified() && !listed_.isEmpty())
    SetPortName(PortNames::StartPort(listed_, Preferences().LastPortEntry()));
}

void PortChooser::Fill(const QList<PortEntry> &ports) {
  QLineEdit *edit = combo_->lineEdit();
  const QString text = edit->text();
  const int cursor = edit->cursorPosition();
  const int selectionStart = edit->selectionStart();
  const int selectionLength = edit->selectedText().size();

  combo_->clear();
  for (const PortEntry &port : ports) {
    const QString label = PortNames::Label(port);
    combo_->addItem(port.name);
    const int row = combo_->count() - 1;
    combo_->setItemData(row, label, kLabelRole);
    combo_->setItemData(row, label, Qt::AccessibleTextRole);
    combo_->setItemData(row, label, Qt::ToolTipRole);
  }
  // The list is as wide as its longest label, the field keeps its width.
  combo_->view()->setMinimumWidth(combo_->view()->sizeHintForColumn(0) +
                                  combo_->view()->frameWidth() * 2);

  const int index = combo_->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  combo_->setCurrentIndex(index);
  if (edit->text() != text) edit->setText(text);
  if (selectionStart >= 0 && selectionLength > 0)
    edit->setSelection(selectionStart, selectionLength);
  else
    edit->setCursorPosition(cursor);
}
