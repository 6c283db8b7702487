#include "platform/gui/QtTemplateDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <cmath>

#include "platform/gui/DialogHost.h"

namespace {

using Kind = DialogControlTemplate::Kind;

constexpr int kOkId = 1;
constexpr int kCancelId = 2;
// A drop-down list's template height includes the list that drops down; closed it is one line.
constexpr int kClosedListUnits = 14;
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

QString ToQt(const std::u16string& text) { return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())); }

std::u16string FromQt(const QString& text) { return text.toStdU16String(); }

}  // namespace

QtTemplateDialog::QtTemplateDialog(const DialogTemplate& layout, DialogHandler& handler, QWidget* parent)
    : QDialog(parent), handler_(handler) {
  // A dialog unit is a quarter of the font's average character width across and an eighth of
  // its height down.
  const QFontMetricsF metrics(font());
  unitX_ = metrics.horizontalAdvance(QString::fromLatin1(kAlphabet)) / 52.0 / 4.0;
  unitY_ = metrics.height() / 8.0;
  setWindowTitle(ToQt(layout.caption));
  setFixedSize(static_cast<int>(std::lround(layout.width * unitX_)),
               static_cast<int>(std::lround(layout.height * unitY_)));
  for (const DialogControlTemplate& control : layout.controls) {
    QWidget* widget = MakeControl(control);
    Place(widget, control);
    controls_[control.id] = widget;
  }
}

int QtTemplateDialog::Run() {
  handler_.OnInit(*this);
  return exec() == QDialog::Accepted ? DialogHost::kResultOk : DialogHost::kResultCancel;
}

QWidget* QtTemplateDialog::MakeControl(const DialogControlTemplate& control) {
  switch (control.kind) {
    case Kind::GroupBox:
      return new QGroupBox(ToQt(control.text), this);
    case Kind::Label:
      return new QLabel(ToQt(control.text), this);
    case Kind::Edit:
      return MakeEdit(control);
    case Kind::DropDownList:
      return MakeList(control);
    case Kind::ListBox:
      return MakeListBox(control);
    case Kind::RadioButton:
    case Kind::CheckBox:
    case Kind::Button:
    case Kind::DefaultButton:
      return MakeButton(control);
  }
  return new QWidget(this);
}

QWidget* QtTemplateDialog::MakeButton(const DialogControlTemplate& control) {
  const int id = control.id;
  if (control.kind == Kind::RadioButton) {
    auto* radio = new QRadioButton(ToQt(control.text), this);
    connect(radio, &QRadioButton::clicked, this, [this, id] { handler_.OnChanged(*this, id); });
    return radio;
  }
  if (control.kind == Kind::CheckBox) {
    auto* box = new QCheckBox(ToQt(control.text), this);
    connect(box, &QCheckBox::clicked, this, [this, id] { handler_.OnChanged(*this, id); });
    return box;
  }
  auto* button = new QPushButton(ToQt(control.text), this);
  button->setDefault(control.kind == Kind::DefaultButton);
  button->setAutoDefault(false);
  if (id == kOkId)
    connect(button, &QPushButton::clicked, this, &QtTemplateDialog::Confirm);
  else if (id == kCancelId)
    connect(button, &QPushButton::clicked, this, &QDialog::reject);
  else
    connect(button, &QPushButton::clicked, this, [this, id] { handler_.OnChanged(*this, id); });
  return button;
}

QWidget* QtTemplateDialog::MakeEdit(const DialogControlTemplate& control) {
  auto* edit = new QLineEdit(this);
  if (control.digitsOnly)
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  const int id = control.id;
  connect(edit, &QLineEdit::textChanged, this, [this, id] { handler_.OnChanged(*this, id); });
  return edit;
}

QWidget* QtTemplateDialog::MakeList(const DialogControlTemplate& control) {
  auto* list = new QComboBox(this);
  const int id = control.id;
  connect(list, &QComboBox::currentIndexChanged, this, [this, id] { handler_.OnChanged(*this, id); });
  return list;
}

QWidget* QtTemplateDialog::MakeListBox(const DialogControlTemplate& control) {
  auto* list = new QListWidget(this);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  const int id = control.id;
  connect(list, &QListWidget::currentRowChanged, this, [this, id] { handler_.OnChanged(*this, id); });
  return list;
}

void QtTemplateDialog::Place(QWidget* widget, const DialogControlTemplate& control) const {
  const int height = control.kind == Kind::DropDownList ? std::min(control.height, kClosedListUnits) : control.height;
  widget->setGeometry(static_cast<int>(std::lround(control.x * unitX_)), static_cast<int>(std::lround(control.y * unitY_)),
                      static_cast<int>(std::lround(control.width * unitX_)),
                      static_cast<int>(std::lround(height * unitY_)));
  // Group boxes are frames drawn behind the controls they surround, not their parents.
  if (control.kind == Kind::GroupBox) widget->lower();
}

void QtTemplateDialog::Confirm() {
  if (handler_.OnOk(*this)) accept();
}

QWidget* QtTemplateDialog::Find(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

bool QtTemplateDialog::HasControl(int id) const { return Find(id) != nullptr; }

std::u16string QtTemplateDialog::Text(int id) const {
  QWidget* widget = Find(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return FromQt(edit->text());
  if (auto* label = qobject_cast<QLabel*>(widget)) return FromQt(label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return FromQt(button->text());
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return FromQt(group->title());
  return {};
}

void QtTemplateDialog::SetText(int id, const std::u16string& text) {
  QWidget* widget = Find(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(ToQt(text));
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(ToQt(text));
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(ToQt(text));
  if (auto* group = qobject_cast<QGroupBox*>(widget)) group->setTitle(ToQt(text));
}

bool QtTemplateDialog::Checked(int id) const {
  auto* button = qobject_cast<QAbstractButton*>(Find(id));
  return button != nullptr && button->isChecked();
}

void QtTemplateDialog::SetChecked(int id, bool checked) {
  if (auto* button = qobject_cast<QAbstractButton*>(Find(id))) button->setChecked(checked);
}

void QtTemplateDialog::AddListEntry(int id, const std::u16string& text) {
  if (auto* box = qobject_cast<QListWidget*>(Find(id))) box->addItem(ToQt(text));
  auto* list = qobject_cast<QComboBox*>(Find(id));
  if (list == nullptr) return;
  // A list that gets its first entry selects it by itself; the dialog's logic chooses instead.
  const QSignalBlocker quiet(list);
  list->addItem(ToQt(text));
  list->setCurrentIndex(-1);
}

void QtTemplateDialog::ClearList(int id) {
  if (auto* list = qobject_cast<QComboBox*>(Find(id))) list->clear();
  if (auto* box = qobject_cast<QListWidget*>(Find(id))) box->clear();
}

int QtTemplateDialog::ListCount(int id) const {
  if (auto* list = qobject_cast<QComboBox*>(Find(id))) return list->count();
  if (auto* box = qobject_cast<QListWidget*>(Find(id))) return box->count();
  return 0;
}

int QtTemplateDialog::ListSelection(int id) const {
  if (auto* list = qobject_cast<QComboBox*>(Find(id))) return list->currentIndex();
  if (auto* box = qobject_cast<QListWidget*>(Find(id))) return box->currentRow();
  return -1;
}

void QtTemplateDialog::SetListSelection(int id, int index) {
  if (auto* list = qobject_cast<QComboBox*>(Find(id))) list->setCurrentIndex(index);
  if (auto* box = qobject_cast<QListWidget*>(Find(id))) box->setCurrentRow(index);
}

void QtTemplateDialog::SetFocus(int id) {
  if (QWidget* widget = Find(id)) widget->setFocus();
}

void QtTemplateDialog::SetEnabled(int id, bool enabled) {
  if (QWidget* widget = Find(id)) widget->setEnabled(enabled);
}

void QtTemplateDialog::SetCaption(const std::u16string& caption) { setWindowTitle(ToQt(caption)); }
