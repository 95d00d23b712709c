# Checks the box hull's righting arms (merrowin-cli stability --json) against the wall-sided
# formula GZ = sin(phi) (GM + BM/2 tan^2(phi)) to 1e-3 inch, up to the deck edge's immersion.
import json
import math
import sys

HALF_BREADTH, HEIGHT, DRAFT, GRAVITY = 24.0, 20.0, 12.0, 8.0
BM = (2 * HALF_BREADTH) ** 2 / (12 * DRAFT)
GM = DRAFT / 2 + BM - GRAVITY
DECK_EDGE = math.degrees(math.atan((HEIGHT - DRAFT) / HALF_BREADTH))

curve = json.load(open(sys.argv[1]))
checked = 0
for point in curve["Points"]:
    if point["Angle"] > DECK_EDGE:
        continue
    phi = math.radians(point["Angle"])
    expected = math.sin(phi) * (GM + BM / 2 * math.tan(phi) ** 2)
    if not point["Floated"] or abs(point["RightingArm"] - expected) > 1e-3:
        sys.exit(f"{point['Angle']} degrees: GZ {point['RightingArm']}, expected {expected}")
    checked += 1
if checked < 10 or abs(curve["DeckEdgeAngle"] - DECK_EDGE) > 1e-4:
    sys.exit(f"{checked} angles checked, deck edge at {curve['DeckEdgeAngle']}")
print(f"{checked} angles within 1e-3 inch")
