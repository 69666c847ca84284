# Two-line sets for the checks: ISS-like, a station at 41 degrees, a sun-synchronous orbit
# and an eccentric one (e = 0.08), none of them the tests' set.
from tle import tle
sets = [
 tle(25544,'98067A',27, 45.25, 0.0001, 0, 2.0e-4, 51.63, 120.5, 0.0005, 30.0, 200.0, 15.49, 1000, 'ISS (ZARYA)'),
 tle(48274,'21035A',26, 350.75, 0.0002, 0, 2.5e-4, 41.47, 15.0, 0.0008, 250.0, 10.0, 15.60, 2000, 'CSS (TIANHE)'),
 tle(25338,'98030A',26, 355.10, 0.00000100, 0, 1.0e-4, 98.70, 200.0, 0.0012, 90.0, 300.0, 14.26, 3000, 'NOAA 15'),
 tle(11111,'79001A',26, 352.00, 0.00000500, 0, 3.0e-4, 65.0, 80.0, 0.0800, 40.0, 60.0, 13.20, 4000, 'ECCENTRIC TEST'),
]
for s in sets:
    for l in s: print(l)
