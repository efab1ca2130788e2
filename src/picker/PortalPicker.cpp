// SPDX-License-Identifier: MIT
#include "PortalPicker.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QDBusArgument>

namespace hueloupe {

namespace {

// PickColor came with version 2 of the interface.
constexpr uint kMinimumVersion = 2;

// The "color" of a successful answer: three finite doubles, each brought into 0..1. Anything
// else, however malformed, is no colour.
std::optional<ColorValue> pickedColor(const QVariantMap& results) {
    const QVariant boxed = results.value(QStringLiteral("color"));
    if (boxed.metaType() != QMetaType::fromType<QDBusArgument>()) {
        return std::nullopt;
    }
    const auto triple = boxed.value<QDBusArgument>();
    if (triple.currentSignature() != QLatin1String("(ddd)")) {
        return std::nullopt;
    }
    double red = 0;
    double green = 0;
    double blue = 0;
    triple.beginStructure();
    triple >> red >> green >> blue;
    triple.endStructure();
    if (!std::isfinite(red) || !std::isfinite(green) || !std::isfinite(blue)) {
        return std::nullopt;
    }
    return ColorValue{std::clamp(red, 0.0, 1.0), std::clamp(green, 0.0, 1.0),
                      std::clamp(blue, 0.0, 1.0), 1.0};
}

}  // namespace

PortalPicker::PortalPicker(QObject* parent) : Picker(parent) {
    connect(&request_, &PortalRequest::responded, this, &PortalPicker::responded);
    connect(&request_, &PortalRequest::failed, this, [this](bool unavailable) {
        unavailable ? reportUnavailable() : reportFailed();
    });
}

PortalPicker::~PortalPicker() {
    cancel();
}

void PortalPicker::begin(QPointF /*at*/) {
    request_.start(QStringLiteral("PickColor"), {}, kMinimumVersion);
}

void PortalPicker::end() {
    request_.cancel();
}

void PortalPicker::responded(uint response, const QVariantMap& results) {
    const std::optional<ColorValue> color =
        response == 0 ? pickedColor(results) : std::optional<ColorValue>();
    color ? reportPicked(*color) : reportFailed();
}

}  // namespace hueloupe
