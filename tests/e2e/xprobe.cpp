// A small X client for the end-to-end tests: finds a top-level window by its title, reports
// its geometry, reads its pixels and asks it to close as a window manager would.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

Window findByName(Display* display, Window root, const char* name) {
    char* windowName = nullptr;
    if (XFetchName(display, root, &windowName) != 0 && windowName != nullptr) {
        const bool match = std::strcmp(windowName, name) == 0;
        XFree(windowName);
        if (match) {
            return root;
        }
    }
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, root, &root, &parent, &children, &count) != 0) {
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            found = findByName(display, children[i], name);
        }
        if (children != nullptr) {
            XFree(children);
        }
    }
    return found;
}

int usage() {
    std::fprintf(stderr, "usage: xprobe geometry TITLE | xprobe pixel TITLE X Y\n"
                         "       xprobe count TITLE R G B TOLERANCE X Y WIDTH HEIGHT\n"
                         "       xprobe bullets TITLE | xprobe close TITLE\n"
                         "       xprobe hash TITLE\n");
    return 2;
}

// The window's pixels as 0xRRGGBB, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned long> pixels;

    unsigned long at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool isWhite(int x, int y) const {
        const unsigned long pixel = at(x, y);
        return ((pixel >> 16) & 0xFF) >= 250 && ((pixel >> 8) & 0xFF) >= 250 &&
               (pixel & 0xFF) >= 250;
    }
};

bool grab(Display* display, Window window, Picture& picture) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    XImage* image =
        XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    picture.width = attributes.width;
    picture.height = attributes.height;
    picture.pixels.clear();
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            picture.pixels.push_back(XGetPixel(image, x, y) & 0xFFFFFF);
        }
    }
    XDestroyImage(image);
    return true;
}

long countColour(const Picture& picture, int r, int g, int b, int tolerance, int left, int top,
                 int width, int height) {
    long count = 0;
    for (int y = std::max(top, 0); y < std::min(top + height, picture.height); ++y) {
        for (int x = std::max(left, 0); x < std::min(left + width, picture.width); ++x) {
            const unsigned long pixel = picture.at(x, y);
            if (std::abs(static_cast<int>((pixel >> 16) & 0xFF) - r) <= tolerance &&
                std::abs(static_cast<int>((pixel >> 8) & 0xFF) - g) <= tolerance &&
                std::abs(static_cast<int>(pixel & 0xFF) - b) <= tolerance) {
                ++count;
            }
        }
    }
    return count;
}

// A bullet is a lone 2 by 2 white square: every pixel around it is something else. The
// Earth's white cells look the same, so its square is left out.
long countBullets(const Picture& picture) {
    long count = 0;
    const int cx = picture.width / 2;
    const int cy = picture.height / 2;
    for (int y = 1; y + 2 < picture.height; ++y) {
        for (int x = 1; x + 2 < picture.width; ++x) {
            if (std::abs(x - cx) < 60 && std::abs(y - cy) < 60) {
                continue;
            }
            bool square = picture.isWhite(x, y) && picture.isWhite(x + 1, y) &&
                          picture.isWhite(x, y + 1) && picture.isWhite(x + 1, y + 1);
            for (int dy = -1; square && dy <= 2; ++dy) {
                for (int dx = -1; square && dx <= 2; ++dx) {
                    const bool inside = dx >= 0 && dx <= 1 && dy >= 0 && dy <= 1;
                    if (!inside && picture.isWhite(x + dx, y + dy)) {
                        square = false;
                    }
                }
            }
            if (square) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return usage();
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "xprobe: cannot open the display\n");
        return 2;
    }
    const std::string command = argv[1];
    const Window window = findByName(display, DefaultRootWindow(display), argv[2]);
    if (window == 0) {
        std::fprintf(stderr, "xprobe: no window titled \"%s\"\n", argv[2]);
        XCloseDisplay(display);
        return 1;
    }

    int status = 0;
    if (command == "geometry") {
        XWindowAttributes attributes;
        XGetWindowAttributes(display, window, &attributes);
        int x = 0;
        int y = 0;
        Window child = 0;
        XTranslateCoordinates(display, window, attributes.root, 0, 0, &x, &y, &child);
        std::printf("%d %d %d %d\n", x, y, attributes.width, attributes.height);
    } else if (command == "pixel" && argc == 5) {
        XImage* image = XGetImage(display, window, std::atoi(argv[3]), std::atoi(argv[4]), 1, 1,
                                  AllPlanes, ZPixmap);
        if (image == nullptr) {
            status = 1;
        } else {
            const unsigned long pixel = XGetPixel(image, 0, 0);
            std::printf("%lu %lu %lu\n", (pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
            XDestroyImage(image);
        }
    } else if (command == "count" && argc == 11) {
        Picture picture;
        status = grab(display, window, picture) ? 0 : 1;
        int values[8];
        for (int i = 0; i < 8; ++i) {
            values[i] = std::atoi(argv[3 + i]);
        }
        std::printf("%ld\n", countColour(picture, values[0], values[1], values[2], values[3],
                                         values[4], values[5], values[6], values[7]));
    } else if (command == "bullets") {
        Picture picture;
        status = grab(display, window, picture) ? 0 : 1;
        std::printf("%ld\n", countBullets(picture));
    } else if (command == "hash") {
        // Two pictures alike to the pixel have one hash (64-bit FNV-1a).
        Picture picture;
        status = grab(display, window, picture) ? 0 : 1;
        unsigned long long hash = 0xCBF29CE484222325ULL;
        for (const unsigned long pixel : picture.pixels) {
            hash = (hash ^ (pixel & 0xFFFFFF)) * 0x100000001B3ULL;
        }
        std::printf("%016llx\n", hash);
    } else if (command == "close") {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] =
            static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
        XFlush(display);
    } else {
        status = usage();
    }
    XCloseDisplay(display);
    return status;
}
