// SPDX-License-Identifier: MIT
#include "CopyPopUpButtonCell.h"

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

constexpr ColorValue kTitleColor{0.0, 0.0, 0.0, 0.7};

bool systemHasMenlo() {
    // One lookup by name; a substitute family means the face is missing.
    static const bool hasMenlo =
        QFontInfo(QFont(QStringLiteral("Menlo"))).family() == QLatin1String("Menlo");
    return hasMenlo;
}

}  // namespace

QRectF CopyPopUpButtonCell::caretRect(QSizeF cellSize) {
    const qreal y = std::floor((cellSize.height() - kCaretHeight) * 0.5) + 2;
    return {cellSize.width() - kCaretWidth, y, kCaretWidth, kCaretHeight};
}

QRectF CopyPopUpButtonCell::titleRect(const QRectF& titleFrame) {
    return titleFrame.translated(-kTitleShift, 0);
}

QFont CopyPopUpButtonCell::titleFont(const ColorFormatter* representedObject) {
    QFont font;
    if (representedObject != nullptr && representedObject->previewStringIsLabel()) {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    } else if (systemHasMenlo()) {
        font = QFont(QStringLiteral("Menlo"));
    } else {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    font.setPixelSize(kTitlePixelSize);
    return font;
}

QColor CopyPopUpButtonCell::titleColor(bool highlighted, const QPalette& palette) {
    return highlighted ? palette.color(QPalette::ButtonText) : makeSRGBColor(kTitleColor);
}

const QIcon& CopyPopUpButtonCell::caretImage() {
    // Never destroyed: it lives as long as the process, past the application object.
    static const QIcon* const caret = [] {
        registerUiResources();
        auto* icon = new QIcon;
        icon->addFile(QStringLiteral(":/hueloupe/Caret.png"));
        icon->addFile(QStringLiteral(":/hueloupe/Caret@2x.png"));
        return icon;
    }();
    return *caret;
}

void CopyPopUpButtonCell::drawBorderAndBackground(QPainter& painter,
                                                  const QRectF& cellFrame) const {
    const QRectF target = caretRect(cellFrame.size());
    painter.save();
    painter.setOpacity(painter.opacity() * kCaretOpacity);
    caretImage().paint(&painter, target.toAlignedRect(), Qt::AlignCenter);
    painter.restore();
}

QRectF CopyPopUpButtonCell::drawTitle(QPainter& painter, const QString& title,
                                      const QRectF& titleFrame,
                                      const ColorFormatter* representedObject, bool highlighted,
                                      const QPalette& palette) const {
    const QRectF target = titleRect(titleFrame);
    painter.save();
    painter.setFont(titleFont(representedObject));
    painter.setPen(titleColor(highlighted, palette));
    painter.drawText(target, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
    painter.restore();
    return target;
}

}  // namespace hueloupe
