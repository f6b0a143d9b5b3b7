// Message, input and font dialogs, the beep, the topmost layer and the screen.
#include "qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QWindow>

#include "view_manager.h"

namespace qtui {

namespace {
QWidget* dialogParent() {
    return QApplication::activeWindow();
}
}  // namespace

void QtPlatform::messageBox(const QString& text, const QString& caption, forms::MsgIcon icon) {
    QMessageBox box(dialogParent());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
        case forms::MsgIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case forms::MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case forms::MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case forms::MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case forms::MsgIcon::None:
            break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool QtPlatform::confirm(const QString& text, const QString& caption) {
    QMessageBox box(dialogParent());
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPlatform::inputBox(const QString& prompt, const QString& caption,
                                            const QString& defaultText) {
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.setMinimumWidth(480);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

std::optional<forms::FontSpec> QtPlatform::fontDialog() {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, QApplication::font(), dialogParent());
    if (!ok) return std::nullopt;
    return forms::FontSpec{font.family(), font.pointSizeF(), font.bold(),
                           font.italic(), font.underline(),  font.strikeOut()};
}

std::optional<QString> QtPlatform::saveFileName(const QString& caption, const QString& suggestedName,
                                                const QString& filter) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    QFileDialog dialog(dialogParent(), caption, QDir(folder).filePath(suggestedName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without its ending gets the filter's: "notes" is saved as "notes.csv".
    const QRegularExpressionMatch suffix = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    if (suffix.hasMatch()) dialog.setDefaultSuffix(suffix.captured(1));
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

void QtPlatform::useLanguage(const QString& languageCode) {
    if (qtTexts_) {
        QCoreApplication::removeTranslator(qtTexts_.get());
        qtTexts_.reset();
    }
    if (languageCode == QLatin1String("en")) return;  // Qt's own texts are English already
    // Debian keeps Qt's translations apart (qt6-translations-l10n); without them the dialogs stay
    // English, which is better than no dialog.
    auto texts = std::make_unique<QTranslator>();
    if (!texts->load(QStringLiteral("qtbase_") + languageCode,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(texts.get());
    qtTexts_ = std::move(texts);
}

void QtPlatform::beep() {
    QApplication::beep();
}

bool QtPlatform::setTopmost(const forms::Form& form, bool topmost) {
    FormView* view = views_.viewOf(form);
    if (!view || !view->window()) return false;
    QMainWindow* window = view->window();
    // Changing the flag on a window already on screen keeps its place and size.
    if (QWindow* handle = window->windowHandle()) {
        handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
    } else {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    }
    return true;
}

QSize QtPlatform::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}

}  // namespace qtui
