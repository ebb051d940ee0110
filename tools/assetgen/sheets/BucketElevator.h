// Bucket elevator BE-02: the geometry its views share and the views of its sheet.
#pragma once

#include "Drafter.h"

namespace assetgen::sheets::elevator {

// Millimetres from the floor on the elevator's centre line. In the side view the buckets rise
// on the left leg, turn over the head pulley and throw to the right into the discharge chute.
inline constexpr double kHeadY = 15000, kBootY = 900, kPulleyRadius = 500;
inline constexpr double kTrunkHalf = 275;       // each leg's casing, either side of the chain
inline constexpr double kCasingHalfWidth = 350; // across the buckets, seen from the front
inline constexpr double kBucketSpacing = 500;
inline constexpr double kHeadBottom = 14000, kHeadTop = 16000;
inline constexpr double kBootTop = 1900;

// Bucket in profile with its back on the chain at `at`, rising along `travel` (a unit vector);
// it opens towards the direction of travel and stands out on the side away from the centre.
void drawBucketProfile(const Drafter& d, QPointF at, QPointF travel, QPointF outward);

// The bucket chain round both pulleys in the side view, with its buckets.
void drawChainWithBuckets(const Drafter& d, double fromY, double toY);

void drawFrontElevation(const Drafter& paper);
void drawSideElevation(const Drafter& paper);
void drawHeadDetail(const Drafter& paper);
void drawBootDetail(const Drafter& paper);
void drawBucketDetail(const Drafter& paper);
void drawCasingSection(const Drafter& paper);

} // namespace assetgen::sheets::elevator
