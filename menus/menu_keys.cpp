#include "menus/menu_keys.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QShortcutEvent>

namespace quorelin {
namespace {

// Qt hands a letter claimed twice to its owners in turn, as an "ambiguous" shortcut that
// only moves the focus. This filter, on every owner, presses the one visible button that
// underlines the letter instead.
class LetterArbiter : public QObject {
public:
    explicit LetterArbiter(QMainWindow& window) : QObject(&window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Shortcut) {
            const auto* shortcut = static_cast<QShortcutEvent*>(event);
            if (shortcut->isAmbiguous()) {
                if (QAbstractButton* button = ButtonFor(shortcut->key())) {
                    button->animateClick();
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractButton* ButtonFor(const QKeySequence& key) const {
        QAbstractButton* found = nullptr;
        for (QAbstractButton* button : window_.findChildren<QAbstractButton*>()) {
            if (button->isVisible() && button->isEnabled() &&
                QKeySequence::mnemonic(button->text()) == key) {
                if (found != nullptr) {
                    return nullptr;  // two buttons: no way to choose, leave it to Qt
                }
                found = button;
            }
        }
        return found;
    }

    QMainWindow& window_;
};

}  // namespace

void GiveButtonsTheirLetters(QMainWindow& window) {
    auto* arbiter = new LetterArbiter(window);
    QMenuBar* bar = window.menuBar();
    bar->installEventFilter(arbiter);
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        button->installEventFilter(arbiter);
    }

    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        for (QAction* title : bar->actions()) {
            if (title->isVisible() && title->isEnabled()) {
                bar->setActiveAction(title);
                return;
            }
        }
    });
}

}  // namespace quorelin
