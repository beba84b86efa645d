#include "platform/Widgets.h"

#include <QAbstractListModel>
#include <QListView>
#include <QPushButton>

#include "platform/Form.h"
#include "platform/TextDisplay.h"

namespace platform {

/// Holds the list's lines; appending a batch is one model change, so rebuilding a list of
/// tens of thousands of lines stays within a display frame.
class LinesModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(lines_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        if (role == Qt::DisplayRole) return lines_.at(index.row());
        const bool describing = role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole;
        if (describing && describe_) return describe_(index.row());
        return {};
    }
    void setDescription(std::function<QString(int)> describe) { describe_ = std::move(describe); }
    void clear() {
        if (lines_.isEmpty()) return;
        beginResetModel();
        lines_.clear();
        endResetModel();
    }
    void append(const QStringList& more) {
        if (more.isEmpty()) return;
        beginInsertRows({}, int(lines_.size()), int(lines_.size() + more.size() - 1));
        lines_ += more;
        endInsertRows();
    }
    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
    std::function<QString(int)> describe_;
};

QFont japaneseFixedFont(double pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans Mono CJK JP")});
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

CommandButton::CommandButton(Form& form, const QString& name, TwipsRect design,
                             const QString& caption, const QColor& background)
    : Control(form, new QPushButton(caption, form.clientArea()), name, design),
      button_(static_cast<QPushButton*>(widget())) {
    button_->setFocusPolicy(Qt::NoFocus);  // Space and Enter belong to the window's own keys
    const QString base = background.name();
    const QString pressed = background.darker(115).name();
    button_->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: black; border: 1px solid "
                       "#7a7a7a; border-radius: 2px; }"
                       "QPushButton:pressed { background-color: %2; }")
            .arg(base, pressed));
}

QString CommandButton::caption() const {
    return button_->text();
}
void CommandButton::setCaption(const QString& text) {
    button_->setText(text);
}
void CommandButton::onClick(std::function<void()> handler) {
    QObject::connect(button_, &QPushButton::clicked, button_, [handler] { handler(); });
}

Label::Label(Form& form, const QString& name, TwipsRect design, const QString& caption,
             const QFont& font, const QColor& text, const QColor& background)
    : Control(form, new TextDisplay(caption, form.clientArea()), name, design),
      display_(static_cast<TextDisplay*>(widget())) {
    display_->setFont(font);
    QPalette palette = display_->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    display_->setPalette(palette);
}

QString Label::caption() const {
    return display_->text();
}
void Label::setCaption(const QString& text) {
    display_->setText(text);
}
void Label::announce() {
    display_->announce();
}

ListBox::ListBox(Form& form, const QString& name, TwipsRect design, const QFont& font)
    : Control(form, new QListView(form.clientArea()), name, design),
      view_(static_cast<QListView*>(widget())),
      model_(new LinesModel(view_)) {
    view_->setModel(model_);
    view_->setFont(font);
    view_->setUniformItemSizes(true);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
}

QWidget* ListBox::mouseSurface() const {
    return view_->viewport();
}

void ListBox::clear() {
    model_->clear();
}
void ListBox::addItems(const QStringList& lines) {
    model_->append(lines);
}
int ListBox::listCount() const {
    return model_->rowCount();
}
QString ListBox::list(int index) const {
    return model_->lines().at(index);
}

int ListBox::listIndex() const {
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ListBox::setLineDescription(std::function<QString(int index)> describe) {
    model_->setDescription(std::move(describe));
}

void ListBox::setListIndex(int index) {
    const QModelIndex target = model_->index(index);
    view_->selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    view_->scrollTo(target);
}

}  // namespace platform
