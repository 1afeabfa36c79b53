#pragma once

#include "objects/satellite.h"

// A named piece of a broken satellite; it breaks in turn into numFragments fragments.
class Part : public Satellite {
public:
    Part(const Position& initialPosition, const Velocity& initialVelocity, double radiusPixels,
         int fragments);
    void destroy(SatelliteList& newDebris) override;

    int getNumFragments() const { return numFragments; }

protected:
    int numFragments;

    friend class TestPart;
};

// The twelve pieces. Each starts where its satellite broke up, with its velocity, and draws
// the piece of the satellite's sprite that it was.

class PartGPSCenter : public Part {
public:
    PartGPSCenter(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
};

class PartGPSLeft : public Part {
public:
    PartGPSLeft(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
};

class PartGPSRight : public Part {
public:
    PartGPSRight(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
};

class PartHubbleTelescope : public Part {
public:
    PartHubbleTelescope(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
};

class PartHubbleComputer : public Part {
public:
    PartHubbleComputer(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
};

class PartHubbleLeft : public Part {
public:
    PartHubbleLeft(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
};

class PartHubbleRight : public Part {
public:
    PartHubbleRight(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
};

class PartStarlinkBody : public Part {
public:
    PartStarlinkBody(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
};

class PartStarlinkArray : public Part {
public:
    PartStarlinkArray(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
};

class PartCrewDragonCenter : public Part {
public:
    PartCrewDragonCenter(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
};

class PartCrewDragonLeft : public Part {
public:
    PartCrewDragonLeft(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
};

class PartCrewDragonRight : public Part {
public:
    PartCrewDragonRight(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
};
