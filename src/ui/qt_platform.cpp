// The Platform calls on Qt widgets. Text is painted straight into the core's
// pixel buffer so the buffer stays the one picture of the drawing area.
#include "ui/qt_platform.h"

#include <QDir>
#include <QFileDialog>
#include <algorithm>


#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPainter>

#include "ui/mainwindow.h"
#include "ui/panel_window.h"

QImage ImageOfSurface(const Surface& s) {
    if (s.width <= 0 || s.height <= 0) return QImage();
    // Colour values keep red in the low byte and nothing in the high one;
    // the screen wants opaque 0xAARRGGBB.
    QImage img(s.width, s.height, QImage::Format_RGB32);
    for (int y = 0; y < s.height; ++y) {
        const uint32_t* src = s.px.data() + static_cast<size_t>(y) * s.width;
        auto* dst = reinterpret_cast<uint32_t*>(img.scanLine(y));
        for (int x = 0; x < s.width; ++x) {
            const uint32_t p = src[x];
            dst[x] = 0xFF000000u | ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
        }
    }
    return img;
}

MsgAnswer QtPlatform::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                             const std::string& title) {
    QMessageBox box(QApplication::activeWindow() ? QApplication::activeWindow() : &main_);
    QString t = Q(text);
    t.replace("\r\n", "\n");
    box.setText(t);
    box.setWindowTitle(title.empty() ? QString("Zarnic") : Q(title));
    switch (icon) {
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (buttons) {
    case MsgButtons::OK: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    int r = box.exec();
    switch (r) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: break;
    }
    // Escape or the title bar's close: the safe answer of each kind of box.
    if (buttons == MsgButtons::YesNoCancel) return MsgAnswer::Cancel;
    if (buttons == MsgButtons::YesNo) return MsgAnswer::No;
    return MsgAnswer::OK;
}

void QtPlatform::SetCaption(const std::string& caption) { main_.setWindowTitle(Q(caption)); }

QAction* QtPlatform::Action(const std::string& id) const { return actions_.value(Q(id), nullptr); }

void QtPlatform::MenuSetChecked(const std::string& id, bool checked) {
    if (QAction* a = Action(id)) a->setChecked(checked);
}
void QtPlatform::MenuSetEnabled(const std::string& id, bool enabled) {
    if (QAction* a = Action(id)) a->setEnabled(enabled);
}
void QtPlatform::MenuSetVisible(const std::string& id, bool visible) {
    if (QAction* a = Action(id)) a->setVisible(visible);
}
void QtPlatform::MenuSetCaption(const std::string& id, const std::string& caption) {
    // Captions set at run time are plain text: an "&" in a file name is shown, not a mnemonic.
    if (QAction* a = Action(id)) a->setText(Q(caption).replace("&", "&&"));
}

void QtPlatform::SurfaceText(Surface& s, double xTw, double yTw, const std::string& text, uint32_t rgb) {
    if (s.width <= 0 || s.height <= 0 || text.empty()) return;
    // Qt paints straight into the core's pixels; the high byte it sets on the
    // touched pixels is cleared again so the buffer holds plain colour values.
    // Positions are logical pixels; the image carries the device pixel ratio,
    // so text on a 2x screen is drawn with twice the pixels.
    QImage img(reinterpret_cast<uchar*>(s.px.data()), s.width, s.height, s.width * 4, QImage::Format_RGBX8888);
    double dpr = main_.Dpr();
    img.setDevicePixelRatio(dpr);
    QFont font = main_.area()->font();
    QFontMetricsF fm(font);
    double x = xTw * main_.Dpi() / kTwipsPerInch, y = yTw * main_.Dpi() / kTwipsPerInch;
    QRectF box(x, y, fm.horizontalAdvance(Q(text)) + 1, fm.height());
    {
        QPainter p(&img);
        // Text is written on its own patch of board, so a shorter text
        // replaces a longer one (the readout, the prompt's blank eraser).
        p.fillRect(box, ToQColor(background_));
        p.setFont(font);
        p.setPen(ToQColor(rgb));
        p.drawText(QPointF(x, y + fm.ascent()), Q(text));
    }
    QRectF dev(box.x() * dpr, box.y() * dpr, box.width() * dpr + 2, box.height() * dpr + 2);
    QRect r = dev.toAlignedRect().intersected(QRect(0, 0, s.width, s.height));
    for (int yy = r.top(); yy <= r.bottom(); ++yy)
        for (int xx = r.left(); xx <= r.right(); ++xx) s.px[static_cast<size_t>(yy) * s.width + xx] &= 0xFFFFFFu;
}

double QtPlatform::TextWidth(const std::string& text) {
    QFontMetricsF fm(main_.area()->font());
    return fm.horizontalAdvance(Q(text)) * kTwipsPerInch / main_.Dpi();
}

double QtPlatform::TextHeight() {
    QFontMetricsF fm(main_.area()->font());
    return fm.height() * kTwipsPerInch / main_.Dpi();
}

bool QtPlatform::LoadPicture(const std::string& path, int& width, int& height, std::vector<uint32_t>& pixels) {
    QImage img;
    if (!img.load(Q(path))) return false;
    // The picture keeps its own size on the screen: on a 2x screen it takes
    // twice the device pixels.
    double dpr = main_.Dpr();
    if (dpr != 1) img = img.scaled(img.size() * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    img = img.convertToFormat(QImage::Format_RGB32);
    width = img.width();
    height = img.height();
    pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<const uint32_t*>(img.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            uint32_t p = line[x];  // 0xAARRGGBB
            pixels[static_cast<size_t>(y) * width + x] = ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
        }
    }
    return true;
}

void QtPlatform::SurfaceChanged() { main_.area()->update(); }

void QtPlatform::SetWindowColors(uint32_t background, uint32_t foreground) {
    background_ = background;
    QPalette pal = main_.area()->palette();
    pal.setColor(QPalette::Window, ToQColor(background));
    pal.setColor(QPalette::WindowText, ToQColor(foreground));
    main_.area()->setPalette(pal);
    main_.area()->update();
}

void QtPlatform::InputBoxShow(double leftTw, double topTw, double widthTw, double heightTw,
                              const std::string& text) {
    QLineEdit* box = main_.input();
    // The box keeps to its row: "TAB to Enter" stands 275 twips down, under it.
    int h = std::max(main_.ToPixels(heightTw), std::min(box->sizeHint().height(), main_.ToPixels(275) - 1));
    box->setGeometry(main_.ToPixels(leftTw), main_.ToPixels(topTw), main_.ToPixels(widthTw), h);
    box->setText(Q(text));
    box->show();
    box->setFocus();
    box->setSelection(0, 99);
}

void QtPlatform::InputBoxHide() {
    InputBox* box = main_.input();
    bool hadFocus = box->hasFocus();
    // The key catcher takes the focus before the box goes, so hiding it
    // commits nothing.
    if (hadFocus) {
        box->HideQuietly();
        main_.keyCatcher()->setFocus();
    } else {
        box->hide();
    }
}

std::string QtPlatform::InputBoxText() { return S(main_.input()->text()); }

void QtPlatform::InputBoxSetText(const std::string& text) { main_.input()->setText(Q(text)); }

bool QtPlatform::InputBoxVisible() { return main_.input()->isVisible(); }

void QtPlatform::FocusInputBox() {
    if (main_.input()->isVisible()) main_.input()->setFocus();
}

void QtPlatform::ShowControl(const std::string& name, const ControlBox& box) { main_.ShowControl(name, box); }

void QtPlatform::FocusKeyCatcher() { main_.keyCatcher()->setFocus(); }

void QtPlatform::ShowDialog(DialogId id, bool visible) {
    PanelWindow* w = dialogs_.value(static_cast<int>(id), nullptr);
    if (!w) return;
    if (visible) {
        w->LoadFromPanel();
        w->show();
        w->raise();
        w->activateWindow();
    } else {
        w->hide();
        main_.keyCatcher()->setFocus();
    }
}

void QtPlatform::SyncDialog(DialogId id) {
    PanelWindow* w = dialogs_.value(static_cast<int>(id), nullptr);
    if (w && w->isVisible()) w->LoadFromPanel();
}

void QtPlatform::FocusDialog(DialogId id, const std::string& control) {
    if (PanelWindow* w = dialogs_.value(static_cast<int>(id), nullptr)) w->FocusControl(control);
}

void QtPlatform::TimerStart(int intervalMs) { main_.StartTimer(intervalMs); }

void QtPlatform::TimerStop() { main_.StopTimer(); }

void QtPlatform::ClipboardClear() { QApplication::clipboard()->clear(); }

void QtPlatform::ClipboardSetText(const std::string& text) { QApplication::clipboard()->setText(Q(text)); }

std::string QtPlatform::ClipboardText() { return S(QApplication::clipboard()->text()); }

void QtPlatform::Quit() { main_.RequestQuit(); }

std::string QtPlatform::SaveFileDialog(const std::string& title, const std::string& folder, const std::string& name,
                                       const std::vector<std::string>& filters, int& filter) {
    QStringList list;
    for (const std::string& f : filters) list << Q(f);
    QString chosen = list.value(filter);
    QWidget* parent = QApplication::activeWindow() ? QApplication::activeWindow() : &main_;
    // Qt's own dialog (the same under every desktop), which asks before replacing a file.
    const QString path = QFileDialog::getSaveFileName(parent, Q(title), QDir(Q(folder)).filePath(Q(name)),
                                                      list.join(";;"), &chosen, QFileDialog::DontUseNativeDialog);
    filter = std::max(0, static_cast<int>(list.indexOf(chosen)));
    main_.keyCatcher()->setFocus();
    return S(path);
}
