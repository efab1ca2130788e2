// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QAction>

namespace hueloupe {

class ColorFormatter;

// An item of the copy button's menu. Its represented object is the output format's
// formatter, which the item owns.
class FormatMenuItem final : public QAction {
    Q_OBJECT

public:
    FormatMenuItem(std::unique_ptr<ColorFormatter> formatter, const QString& title,
                   QObject* parent = nullptr);
    ~FormatMenuItem() override;

    // Never null.
    ColorFormatter* representedObject() const { return formatter_.get(); }

private:
    std::unique_ptr<ColorFormatter> formatter_;
};

}  // namespace hueloupe
