#include "keyboard/clavant.h"

#include "keyboard/layout.h"

void Clavant::init(bool passive_, Canvas* canvas_, int areaWidth_, int areaHeight_, const std::string& file) {
    canvas = canvas_;
    areaWidth = areaWidth_;
    areaHeight = areaHeight_;
    passive = passive_;
    pressTick = 0;
    heldKey = 0;
    changeSkin(file);
}

void Clavant::computeKeySize() {
    const KeySize size = keySizeFor(skinHeight);
    keyWidth = keyHeight = size.key;
    iconWidth = iconHeight = size.icon;
}

void Clavant::buildLayout(const Bitmap& picture) {
    computeKeySize();
    const auto places = layoutKeys(skinHeight);
    for (int i = 0; i < layoutKeyCount; ++i) {
        auto key = std::make_unique<HotKey>();
        key->shell = services.shell;
        key->programDir = &programDir;
        const Rect& r = places[std::size_t(i)];
        const KeyInfo& info = keyTable[std::size_t(i)];
        key->place(r.left, r.top, r.width(), r.height(), iconWidth, iconHeight, info.code, info.active, picture);
        keys[std::size_t(i)] = std::move(key);
    }
    for (int i = layoutKeyCount; i < maxKeys; ++i) keys[std::size_t(i)].reset();
    keyCount = layoutKeyCount;
    linkKeysToColors();
}

void Clavant::redraw() {
    if (!canvas) return;
    auto picture = canvas->createOffscreen({areaWidth, areaHeight});
    picture->drawBitmap(skin, {0, 0});
    for (int i = 0; i < keyCount; ++i) keys[std::size_t(i)]->drawNormal(*picture);
    canvas->copyFrom(*picture, {0, 0});
}

void Clavant::linkKeysToColors() {
    for (int i = 0; i < keyCount; ++i) {
        keys[std::size_t(i)]->labelColor = &labelColor;
        keys[std::size_t(i)]->labelBackColor = &labelBackColor;
    }
}
