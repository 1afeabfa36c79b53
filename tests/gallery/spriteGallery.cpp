// Every sprite on one grid, drawn with the real toolkit, for judging them by eye.
// Not a test: it opens a window and runs until the window is closed.

#include "platform/platform.h"
#include "physics/constants.h"
#include "ui/uiDraw.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cstdlib>

namespace {

constexpr int galleryWidth = 1000;
constexpr int galleryHeight = 740;
constexpr double magnification = 2.0; // screen pixels per sprite pixel
constexpr double pi = 3.14159265358979323846;

void label(double x, double y, const char* text) {
    ogstream gout;
    gout.setPosition(Position::fromPixels(x - 18.0, y - 27.0));
    gout << text;
}

constexpr double columns[] = {-225.0, -180.0, -135.0, -90.0, -45.0, 0.0, 45.0};
constexpr double rowWhole = 150.0;
constexpr double rowTurned = 95.0;
constexpr double rowPiecesA = 40.0;
constexpr double rowPiecesB = -15.0;
constexpr double rowSmall = -80.0;
constexpr double rowStars = -145.0;

void drawWholeSatellites(double y, double rotation) {
    ogstream gout;
    gout.drawSputnik(Position::fromPixels(columns[0], y), rotation);
    gout.drawGPS(Position::fromPixels(columns[1], y), rotation);
    gout.drawHubble(Position::fromPixels(columns[2], y), rotation);
    gout.drawStarlink(Position::fromPixels(columns[3], y), rotation);
    gout.drawCrewDragon(Position::fromPixels(columns[4], y), rotation);
}

void display() {
    glClear(GL_COLOR_BUFFER_BIT);
    resetColor();
    // The flame flickers by design; a fixed seed keeps every picture the same.
    platform::seedRandom(1);
    const Position none;

    drawWholeSatellites(rowWhole, 0.0);
    drawWholeSatellites(rowTurned, pi / 4.0);
    {
        ogstream gout;
        gout.drawCrewDragonCenter(Position::fromPixels(columns[0], rowPiecesA), 0.0);
        gout.drawCrewDragonRight(Position::fromPixels(columns[1], rowPiecesA), 0.0, none);
        gout.drawCrewDragonLeft(Position::fromPixels(columns[2], rowPiecesA), 0.0, none);
        gout.drawGPSCenter(Position::fromPixels(columns[3], rowPiecesA), 0.0);
        gout.drawGPSRight(Position::fromPixels(columns[4], rowPiecesA), 0.0, none);
        gout.drawGPSLeft(Position::fromPixels(columns[5], rowPiecesA), 0.0, none);

        gout.drawHubbleComputer(Position::fromPixels(columns[0], rowPiecesB), 0.0, none);
        gout.drawHubbleTelescope(Position::fromPixels(columns[1], rowPiecesB), 0.0, none);
        gout.drawHubbleLeft(Position::fromPixels(columns[2], rowPiecesB), 0.0, none);
        gout.drawHubbleRight(Position::fromPixels(columns[3], rowPiecesB), 0.0, none);
        gout.drawStarlinkBody(Position::fromPixels(columns[4], rowPiecesB), 0.0, none);
        gout.drawStarlinkArray(Position::fromPixels(columns[5], rowPiecesB), 0.0, none);

        gout.drawFragment(Position::fromPixels(columns[0], rowSmall), 0.0);
        gout.drawFragment(Position::fromPixels(columns[1], rowSmall), pi / 2.0);
        gout.drawProjectile(Position::fromPixels(columns[2], rowSmall));
        gout.drawShip(Position::fromPixels(columns[3], rowSmall), 0.0, false);
        gout.drawShip(Position::fromPixels(columns[4], rowSmall), 0.0, true);
        gout.drawShip(Position::fromPixels(columns[5], rowSmall), pi / 2.0, true);
        gout.drawShip(Position::fromPixels(columns[6], rowSmall), 5.0 * pi / 4.0, true);

        const unsigned char phases[] = {0, 128, 160, 176, 208, 209, 225};
        for (int i = 0; i < 7; ++i) {
            gout.drawStar(Position::fromPixels(columns[i], rowStars), phases[i]);
        }

        gout.drawEarth(Position::fromPixels(175.0, 100.0), 0.0);
        gout.drawEarth(Position::fromPixels(175.0, -40.0), pi / 2.0);
    }

    resetColor();
    label(columns[0], rowPiecesA, "CD ctr");
    label(columns[1], rowPiecesA, "CD R");
    label(columns[2], rowPiecesA, "CD L");
    label(columns[3], rowPiecesA, "GPS ctr");
    label(columns[4], rowPiecesA, "GPS R");
    label(columns[5], rowPiecesA, "GPS L");
    label(columns[0], rowPiecesB, "Hub comp");
    label(columns[1], rowPiecesB, "Hub tel");
    label(columns[2], rowPiecesB, "Hub L");
    label(columns[3], rowPiecesB, "Hub R");
    label(columns[4], rowPiecesB, "SL body");
    label(columns[5], rowPiecesB, "SL array");
    label(175.0, 100.0 - 30.0, "rotation 0");
    label(175.0, -40.0 - 30.0, "rotation pi/2");

    glutSwapBuffers();
}

} // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB);
    glutInitWindowSize(galleryWidth, galleryHeight);
    glutInitWindowPosition(0, 0);
    glutCreateWindow("Corvexa sprites");
    glClearColor(0.0F, 0.0F, 0.0F, 0.0F);
    const double halfWidth = galleryWidth / magnification / 2.0;
    const double halfHeight = galleryHeight / magnification / 2.0;
    gluOrtho2D(-halfWidth, halfWidth, -halfHeight, halfHeight);
    glPointSize(static_cast<float>(magnification));
    glLineWidth(static_cast<float>(magnification));
    Position::setZoom(runningZoom);
    glutDisplayFunc(display);
    glutMainLoop();
    return 0;
}
