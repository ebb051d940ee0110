// assetgen <assets folder> [group...]: draws the program's pictures into that folder, every
// group by default.
#include "Artwork.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>

namespace assetgen {

std::map<std::string, Drawer>& drawers() {
    static std::map<std::string, Drawer> registry;
    return registry;
}

} // namespace assetgen

int main(int argc, char** argv) {
    // Offscreen needs no display, so the generator runs the same on any machine.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: assetgen <assets folder> [group...]\n");
        return 2;
    }
    std::vector<std::string> groups(argv + 2, argv + argc);
    if (groups.empty()) {
        groups.assign(std::begin(assetgen::kAllGroups), std::end(assetgen::kAllGroups));
    }
    assetgen::AssetOutput out{QDir(QString::fromLocal8Bit(argv[1]))};
    for (const std::string& group : groups) {
        const auto found = assetgen::drawers().find(group);
        if (found == assetgen::drawers().end()) {
            std::fprintf(stderr, "assetgen: no drawer for group %s\n", group.c_str());
            return 1;
        }
        try {
            found->second(out);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "assetgen: %s: %s\n", group.c_str(), error.what());
            return 1;
        }
    }
    return 0;
}
