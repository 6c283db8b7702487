#include "platform/gui/QtEncoderOptionsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/gui/EncoderOptionText.h"

namespace {

using Kind = EncoderOption::Kind;

constexpr int kFieldWidth = 180;
constexpr QSize kPreferredSize{760, 520};

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

QLabel* PlainLabel(const QString& text, QWidget* parent) {
  // Help texts are the library's and may hold "<", which must not be taken for markup.
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// The named values, and the current and default values where the list does not name them, so
// that the field can show both as they are.
QComboBox* MakeChoiceField(const EncoderOption& option) {
  auto* list = new QComboBox;
  for (const std::string& choice : option.choices) list->addItem(ToQt(choice));
  for (const std::string& value : {option.value, option.defaultValue})
    if (list->findText(ToQt(value), Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0) list->addItem(ToQt(value));
  return list;
}

}  // namespace

QtEncoderOptionsWindow::QtEncoderOptionsWindow(const std::u16string& friendlyName, std::vector<EncoderOption> options,
                                               QWidget* owner)
    : QDialog(owner) {
  setWindowTitle(QString::fromStdU16String(friendlyName + u" Settings"));
  for (EncoderOption& option : options) rows_.push_back({std::move(option), nullptr, {}});
  auto* layout = new QVBoxLayout(this);
  scroller_ = new QScrollArea(this);
  scroller_->setWidgetResizable(true);
  // Rows scroll down only: help texts wrap to the width there is.
  scroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroller_->setWidget(MakeRows());
  layout->addWidget(scroller_);
  layout->addLayout(MakeButtons());
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize room = screen != nullptr ? screen->availableSize() * 9 / 10 : kPreferredSize;
  resize(kPreferredSize.boundedTo(room));
}

QWidget* QtEncoderOptionsWindow::MakeRows() {
  auto* rows = new QWidget;
  auto* grid = new QGridLayout(rows);
  grid->setColumnStretch(2, 1);
  for (size_t i = 0; i < rows_.size(); ++i) {
    Row& row = rows_[i];
    const int line = static_cast<int>(i);
    row.field = MakeField(row.option);
    row.field->setObjectName(ToQt(row.option.name));
    Show(row, row.option.value);
    QLabel* help = PlainLabel(QString::fromStdU16String(row.option.label), rows);
    help->setWordWrap(true);
    grid->addWidget(PlainLabel(ToQt(row.option.name), rows), line, 0);
    grid->addWidget(row.field, line, 1);
    grid->addWidget(help, line, 2);
  }
  grid->setRowStretch(static_cast<int>(rows_.size()), 1);
  return rows;
}

QWidget* QtEncoderOptionsWindow::MakeField(const EncoderOption& option) {
  switch (option.kind) {
    case Kind::Boolean:
      return new QCheckBox;
    case Kind::Choice:
      return MakeChoiceField(option);
    case Kind::Integer:
    case Kind::Real:
    case Kind::Text:
      break;
  }
  auto* edit = new QLineEdit;
  edit->setMinimumWidth(kFieldWidth);
  return edit;
}

QLayout* QtEncoderOptionsWindow::MakeButtons() {
  auto* buttons = new QHBoxLayout;
  auto* defaults = new QPushButton(QStringLiteral("Defaults"), this);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  defaults->setAutoDefault(false);
  cancel->setAutoDefault(false);
  ok->setDefault(true);
  connect(defaults, &QPushButton::clicked, this, &QtEncoderOptionsWindow::RestoreDefaults);
  connect(ok, &QPushButton::clicked, this, &QtEncoderOptionsWindow::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(defaults);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  return buttons;
}

void QtEncoderOptionsWindow::Show(Row& row, const std::string& value) {
  if (auto* edit = qobject_cast<QLineEdit*>(row.field)) edit->setText(ToQt(value));
  if (auto* box = qobject_cast<QCheckBox*>(row.field)) box->setChecked(OptionTextIsOn(value));
  if (auto* list = qobject_cast<QComboBox*>(row.field))
    list->setCurrentIndex(list->findText(ToQt(value), Qt::MatchFixedString | Qt::MatchCaseSensitive));
  row.shown = value;
}

std::string QtEncoderOptionsWindow::FieldText(const Row& row) const {
  if (auto* edit = qobject_cast<QLineEdit*>(row.field)) return OptionFieldValue(row.option, edit->text().toStdString());
  if (auto* list = qobject_cast<QComboBox*>(row.field)) return list->currentText().toStdString();
  auto* box = qobject_cast<QCheckBox*>(row.field);
  if (box == nullptr || box->isChecked() == OptionTextIsOn(row.shown)) return row.shown;
  return OptionBooleanText(row.option, box->isChecked());
}

EncoderOptionsDialog::Changes QtEncoderOptionsWindow::Changes() const {
  EncoderOptionsDialog::Changes changes;
  for (const Row& row : rows_) {
    const std::string text = FieldText(row);
    if (!OptionTextUnchanged(row.option, text)) changes[row.option.name] = text;
  }
  return changes;
}

void QtEncoderOptionsWindow::RestoreDefaults() {
  for (Row& row : rows_) Show(row, row.option.defaultValue);
}

const QtEncoderOptionsWindow::Row* QtEncoderOptionsWindow::RefusedRow() const {
  const auto refused = std::find_if(rows_.begin(), rows_.end(), [this](const Row& row) {
    const std::string text = FieldText(row);
    return !OptionTextUnchanged(row.option, text) && !OptionTextRefusal(row.option, text).empty();
  });
  return refused == rows_.end() ? nullptr : &*refused;
}

std::u16string QtEncoderOptionsWindow::Refusal() const {
  const Row* row = RefusedRow();
  return row == nullptr ? std::u16string() : OptionTextRefusal(row->option, FieldText(*row));
}

void QtEncoderOptionsWindow::Confirm() {
  const Row* row = RefusedRow();
  if (row == nullptr) {
    accept();
    return;
  }
  const std::u16string refusal = OptionTextRefusal(row->option, FieldText(*row));
  QMessageBox box(QMessageBox::Warning, windowTitle(), QString::fromStdU16String(refusal), QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  scroller_->ensureWidgetVisible(row->field);
  row->field->setFocus();
}
