#pragma once
// One painter per kind of object, shared between the painter files.
#include "pen.h"

namespace scenegen {

void PaintCloud(Pen& p, const Item& it);
void PaintBird(Pen& p, const Item& it);
void PaintTree(Pen& p, const Item& it);
void PaintPine(Pen& p, const Item& it);
void PaintBush(Pen& p, const Item& it);
void PaintRock(Pen& p, const Item& it);
void PaintFlower(Pen& p, const Item& it);
void PaintHaystack(Pen& p, const Item& it);
void PaintSheep(Pen& p, const Item& it);
void PaintButterfly(Pen& p, const Item& it);
void PaintMushroom(Pen& p, const Item& it);
void PaintKite(Pen& p, const Item& it);

void PaintCottage(Pen& p, const Item& it);
void PaintTownhouse(Pen& p, const Item& it);
void PaintSailboat(Pen& p, const Item& it);
void PaintRowboat(Pen& p, const Item& it);
void PaintLighthouse(Pen& p, const Item& it);
void PaintBuoy(Pen& p, const Item& it);
void PaintBarrel(Pen& p, const Item& it);
void PaintCrate(Pen& p, const Item& it);
void PaintBench(Pen& p, const Item& it);
void PaintBirdhouse(Pen& p, const Item& it);
void PaintFlowerPot(Pen& p, const Item& it);
void PaintDuck(Pen& p, const Item& it);
void PaintPicket(Pen& p, const Item& it);
void PaintStreetLamp(Pen& p, const Item& it);
void PaintCar(Pen& p, const Item& it);
void PaintBalloon(Pen& p, const Item& it);
void PaintFish(Pen& p, const Item& it);
void PaintParasol(Pen& p, const Item& it);
void PaintBeachBall(Pen& p, const Item& it);
void PaintTowel(Pen& p, const Item& it);
void PaintShell(Pen& p, const Item& it);
void PaintSandcastle(Pen& p, const Item& it);

void PaintPictureFrame(Pen& p, const Item& it);
void PaintLamp(Pen& p, const Item& it);
void PaintVase(Pen& p, const Item& it);
void PaintClock(Pen& p, const Item& it);
void PaintBook(Pen& p, const Item& it);
void PaintCup(Pen& p, const Item& it);
void PaintApple(Pen& p, const Item& it);
void PaintPear(Pen& p, const Item& it);
void PaintOrange(Pen& p, const Item& it);
void PaintGrapes(Pen& p, const Item& it);
void PaintBottle(Pen& p, const Item& it);
void PaintJug(Pen& p, const Item& it);
void PaintCandle(Pen& p, const Item& it);
void PaintLemon(Pen& p, const Item& it);
void PaintCherries(Pen& p, const Item& it);
void PaintCat(Pen& p, const Item& it);
void PaintChair(Pen& p, const Item& it);
void PaintPlate(Pen& p, const Item& it);
void PaintWindow(Pen& p, const Item& it);

// Kitchen, classroom, market, workshop, playground, farm, forest, mountain village.
void PaintPot(Pen& p, const Item& it);
void PaintKettle(Pen& p, const Item& it);
void PaintJar(Pen& p, const Item& it);
void PaintUtensil(Pen& p, const Item& it);
void PaintLoaf(Pen& p, const Item& it);
void PaintDesk(Pen& p, const Item& it);
void PaintGlobe(Pen& p, const Item& it);
void PaintSatchel(Pen& p, const Item& it);
void PaintChalkDrawing(Pen& p, const Item& it);
void PaintStall(Pen& p, const Item& it);
void PaintFruitCrate(Pen& p, const Item& it);
void PaintBasket(Pen& p, const Item& it);
void PaintSack(Pen& p, const Item& it);
void PaintTool(Pen& p, const Item& it);
void PaintPaintCan(Pen& p, const Item& it);
void PaintToolbox(Pen& p, const Item& it);
void PaintHangingLamp(Pen& p, const Item& it);
void PaintSwing(Pen& p, const Item& it);
void PaintSlide(Pen& p, const Item& it);
void PaintSeesaw(Pen& p, const Item& it);
void PaintBucket(Pen& p, const Item& it);
void PaintBarn(Pen& p, const Item& it);
void PaintCow(Pen& p, const Item& it);
void PaintPig(Pen& p, const Item& it);
void PaintHen(Pen& p, const Item& it);
void PaintTractor(Pen& p, const Item& it);
void PaintDeer(Pen& p, const Item& it);
void PaintFox(Pen& p, const Item& it);
void PaintStump(Pen& p, const Item& it);
void PaintFern(Pen& p, const Item& it);
void PaintOwl(Pen& p, const Item& it);
void PaintHedgehog(Pen& p, const Item& it);
void PaintChalet(Pen& p, const Item& it);
void PaintChapel(Pen& p, const Item& it);
void PaintGoat(Pen& p, const Item& it);
void PaintCableCar(Pen& p, const Item& it);

// Sea floor, space station, railway station, circus, bedroom, library,
// garden party and building site.
void PaintCoral(Pen& p, const Item& it);
void PaintSeaweed(Pen& p, const Item& it);
void PaintJellyfish(Pen& p, const Item& it);
void PaintStarfish(Pen& p, const Item& it);
void PaintTreasureChest(Pen& p, const Item& it);
void PaintCrab(Pen& p, const Item& it);
void PaintConsole(Pen& p, const Item& it);
void PaintAstronaut(Pen& p, const Item& it);
void PaintRobot(Pen& p, const Item& it);
void PaintPlanet(Pen& p, const Item& it);
void PaintRocket(Pen& p, const Item& it);
void PaintSatellite(Pen& p, const Item& it);
void PaintLocomotive(Pen& p, const Item& it);
void PaintCoach(Pen& p, const Item& it);
void PaintSuitcase(Pen& p, const Item& it);
void PaintRailSignal(Pen& p, const Item& it);
void PaintPodium(Pen& p, const Item& it);
void PaintElephant(Pen& p, const Item& it);
void PaintPennant(Pen& p, const Item& it);
void PaintCircusTent(Pen& p, const Item& it);
void PaintHoop(Pen& p, const Item& it);
void PaintBed(Pen& p, const Item& it);
void PaintTeddyBear(Pen& p, const Item& it);
void PaintDresser(Pen& p, const Item& it);
void PaintToyBlock(Pen& p, const Item& it);
void PaintStandGlobe(Pen& p, const Item& it);
void PaintArmchair(Pen& p, const Item& it);
void PaintBookStack(Pen& p, const Item& it);
void PaintHourglass(Pen& p, const Item& it);
void PaintCake(Pen& p, const Item& it);
void PaintTeapot(Pen& p, const Item& it);
void PaintPaperLantern(Pen& p, const Item& it);
void PaintGift(Pen& p, const Item& it);
void PaintExcavator(Pen& p, const Item& it);
void PaintTrafficCone(Pen& p, const Item& it);
void PaintWheelbarrow(Pen& p, const Item& it);
void PaintBrickStack(Pen& p, const Item& it);
void PaintBarrier(Pen& p, const Item& it);
void PaintCrane(Pen& p, const Item& it);

}  // namespace scenegen
