// SPDX-License-Identifier: MIT
#include "CopyButtonPainting.h"

#include <cmath>

#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QPainter>
#include <QPalette>

#include "ColorAdapters.h"
#include "ColorFormatter.h"

// Resources of a static library are registered by name, from the global namespace.
static void registerUiResources() {
    Q_INIT_RESOURCE(ui);
}

namespace hueloupe {

namespace {

constexpr qreal kCaretHeight = 12;
constexpr qreal kCaretOpacity = 0.6;
constexpr qreal kTitleShift = 12;
constexpr int kTitlePixelSize = 13;
constexpr ColorValue kTitleColor{0.0, 0.0, 0.0, 0.7};

bool systemHasMenlo() {
    // One lookup by name; a substitute family means the face is missing.
    static const bool hasMenlo =
        QFontInfo(QFont(QStringLiteral("Menlo"))).family() == QLatin1String("Menlo");
    return hasMenlo;
}

// The caret image (1x and 2x), loaded on first use and never destroyed: it lives as long as
// the process, past the application object.
const QIcon& caretImage() {
    static const QIcon* const caret = [] {
        registerUiResources();
        auto* icon = new QIcon;
        icon->addFile(QStringLiteral(":/hueloupe/Caret.png"));
        icon->addFile(QStringLiteral(":/hueloupe/Caret@2x.png"));
        return icon;
    }();
    return *caret;
}

}  // namespace

QFont copyButtonTitleFont(const ColorFormatter* format) {
    QFont font;
    if (format != nullptr && format->previewStringIsLabel()) {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    } else if (systemHasMenlo()) {
        font = QFont(QStringLiteral("Menlo"));
    } else {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    font.setPixelSize(kTitlePixelSize);
    return font;
}

void paintCopyButton(QPainter& painter, const QRectF& bounds, const QRectF& titleFrame,
                     const QString& title, const ColorFormatter* format, bool down,
                     const QPalette& palette) {
    const qreal caretTop = std::floor((bounds.height() - kCaretHeight) * 0.5) + 2;
    const QRectF caret(bounds.width() - kCopyCaretWidth, caretTop, kCopyCaretWidth, kCaretHeight);
    painter.save();
    painter.setOpacity(painter.opacity() * kCaretOpacity);
    caretImage().paint(&painter, caret.toAlignedRect(), Qt::AlignCenter);
    painter.restore();

    painter.save();
    painter.setFont(copyButtonTitleFont(format));
    painter.setPen(down ? palette.color(QPalette::ButtonText) : makeSRGBColor(kTitleColor));
    painter.drawText(titleFrame.translated(-kTitleShift, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
    painter.restore();
}

}  // namespace hueloupe
