#include "keyboard/clavant.h"

namespace {

constexpr const char* bindFirst = "Сначало необходимо создать клавиши";

} // namespace

std::uint32_t Clavant::now() const {
    return services.clock ? services.clock->tickCount() : 0;
}

int Clavant::hitKey(int x, int y) const {
    for (int i = 0; i < keyCount; ++i) {
        const HotKey& k = *keys[std::size_t(i)];
        // Edges are inclusive: where two keys touch, the lower index wins.
        if (k.bindable && k.x <= x && x <= k.x + k.width && k.y <= y && y <= k.y + k.height) return i;
    }
    return -1;
}

int Clavant::hitCode(int x, int y) const {
    const int i = hitKey(x, y);
    return i < 0 ? 0 : int(keys[std::size_t(i)]->code);
}

std::vector<int> Clavant::group(std::uint32_t code) const {
    std::vector<int> indexes;
    if (code == 0) return indexes;
    for (int i = 0; i < keyCount; ++i)
        if (keys[std::size_t(i)]->bindable && keys[std::size_t(i)]->code == code) indexes.push_back(i);
    return indexes;
}

// The whole keyboard off screen: raised keys after all others, so they lie on top of their neighbours.
template <typename Rule> std::unique_ptr<Canvas> Clavant::compose(Rule drawnAs) const {
    auto picture = canvas->createOffscreen({areaWidth, areaHeight});
    picture->drawBitmap(skin, {0, 0});
    std::vector<const HotKey*> raised;
    for (int i = 0; i < keyCount; ++i) {
        const HotKey& key = *keys[std::size_t(i)];
        switch (drawnAs(key)) {
        case Drawn::leftOut:
            break;
        case Drawn::normal:
            key.drawNormal(*picture);
            break;
        case Drawn::highlighted:
            raised.push_back(&key);
            break;
        }
    }
    for (const HotKey* key : raised)
        key->drawHighlighted(*picture);
    return picture;
}

void Clavant::dispatchEvent(int code, int x, int y, std::uint8_t kind) {
    if (!canvas) return;
    switch (EventKind(kind)) {
    case EventKind::KeyDown:
        return keyDown(code);
    case EventKind::KeyUp:
        return keyUp(code);
    case EventKind::Hover:
        return hover(x, y);
    case EventKind::Click:
        return click(x, y);
    case EventKind::BindFile:
    case EventKind::BindFolder:
    case EventKind::ClearBinding:
    case EventKind::SetApplet:
        return menuCommand(EventKind(kind), x, y);
    case EventKind::ChangeIcon:
        return changeIcon(x, y);
    case EventKind::KeySettings:
        return keySettings(x, y);
    }
    // Any other value means nothing.
}

void Clavant::keyDown(int code) {
    if (heldKey != 0) {
        // Any key-down during a hold, of the held key or another, only moves the bar.
        if (services.host) {
            services.host->setProgressPosition(int(now() - pressTick));
            services.host->processPendingMessages();
        }
        return;
    }
    if (services.host) services.host->setProgressPosition(0);
    const auto held = group(std::uint32_t(code));
    if (held.empty()) return;
    canvas->copyFrom(*compose([&](const HotKey& k) {
        if (!k.bindable) return Drawn::leftOut;
        return k.code == std::uint32_t(code) ? Drawn::highlighted : Drawn::normal;
    }),
                     {0, 0});
    pressTick = now();
    heldKey = held.front();
}

void Clavant::keyUp(int code) {
    if (heldKey == 0) return;
    canvas->copyFrom(*compose([](const HotKey&) { return Drawn::normal; }), {0, 0});
    HotKey& held = *keys[std::size_t(heldKey)];
    if (held.code == std::uint32_t(code)) {
        // Modulo 2^32, so a hold across the wrap of the tick counter measures right.
        const std::uint32_t elapsed = now() - pressTick;
        if (std::int64_t(elapsed) >= std::int64_t(holdTime)) held.launch();
    }
    if (services.host) services.host->setProgressPosition(0);
    heldKey = 0;
    pressTick = 0;
}

void Clavant::hover(int x, int y) {
    const int h = hitCode(x, y);
    if (h == hoverCode) return;
    hoverCode = h;
    canvas->copyFrom(*compose([h](const HotKey& k) {
        return h != 0 && k.code == std::uint32_t(h) ? Drawn::highlighted : Drawn::normal;
    }),
                     {0, 0});
}

void Clavant::click(int x, int y) {
    const int h = hitCode(x, y);
    if (h == 0) {
        if (services.host) services.host->dragWindow();
        return;
    }
    const auto keysOfGroup = group(std::uint32_t(h));
    HotKey& first = *keys[std::size_t(keysOfGroup.front())];
    if (!first.target.empty()) {
        first.launch();
        return;
    }
    const auto file = services.host ? services.host->chooseFile() : std::nullopt;
    if (!file) return;
    for (int i : keysOfGroup)
        keys[std::size_t(i)]->bind(*file, *file);
    saveBindings();
    hoverCode = 0;
    dispatchEvent(0, x, y, std::uint8_t(EventKind::Hover));
}

void Clavant::menuCommand(EventKind kind, int x, int y) {
    const auto keysOfGroup = group(std::uint32_t(hitCode(x, y)));
    if (keysOfGroup.empty()) return;
    switch (kind) {
    case EventKind::BindFile: {
        const auto file = services.host ? services.host->chooseFile() : std::nullopt;
        if (!file) return;
        for (int i : keysOfGroup)
            keys[std::size_t(i)]->bind(*file, *file);
        break;
    }
    case EventKind::BindFolder: {
        const auto folder = services.host ? services.host->chooseFolder() : std::nullopt;
        if (!folder) return;
        for (int i : keysOfGroup)
            keys[std::size_t(i)]->bind(*folder, "");
        break;
    }
    case EventKind::ClearBinding:
        for (int i : keysOfGroup)
            keys[std::size_t(i)]->clear();
        break;
    case EventKind::SetApplet:
        return setApplet(keysOfGroup); // saved with the next save
    default:
        return;
    }
    saveBindings();
}

void Clavant::setApplet(const std::vector<int>& keysOfGroup) {
    const Applet applet = findApplet(chosenApplet);
    if (applet.title.empty()) return;
    for (int i : keysOfGroup) {
        HotKey& key = *keys[std::size_t(i)];
        key.bind(applet.target, applet.workDir);
        key.setIcon(applet.iconSource);
        key.arguments = applet.arguments;
        key.title = applet.title;
    }
}

void Clavant::changeIcon(int x, int y) {
    const int hit = hitKey(x, y);
    if (hit < 0) return;
    const HotKey& key = *keys[std::size_t(hit)];
    if (key.target.empty()) {
        if (services.dialogs) services.dialogs->showMessage(bindFirst);
        return;
    }
    const auto keysOfGroup = group(key.code);
    if (keysOfGroup.empty()) return;
    const auto file = services.host ? services.host->chooseFile() : std::nullopt;
    if (!file) return;
    for (int i : keysOfGroup)
        keys[std::size_t(i)]->setIcon(*file);
    saveBindings();
}

void Clavant::keySettings(int x, int y) {
    const int hit = hitKey(x, y);
    if (hit < 0 || keys[std::size_t(hit)]->code == 0) return;
    if (keys[std::size_t(hit)]->target.empty()) {
        if (services.dialogs) services.dialogs->showMessage(bindFirst);
        return;
    }
    if (services.host) services.host->showKeySettings(hit);
}

void Clavant::dropFile(Point point, const std::string& fileName) {
    const int hit = hitKey(point.x, point.y);
    const int h = hit < 0 ? -1 : int(keys[std::size_t(hit)]->code);
    if (h > 0) {
        for (int i = 0; i < keyCount; ++i) {
            if (keys[std::size_t(i)]->code != std::uint32_t(h)) continue;
            keys[std::size_t(i)]->bind(fileName, fileName);
            hoverCode = 0;
            dispatchEvent(0, point.x, point.y, std::uint8_t(EventKind::Hover));
        }
    }
    saveBindings();
}
