import os, subprocess
from skyfield.api import load, wgs84, EarthSatellite
ts = load.timescale(builtin=True)
R = os.environ.get('HALVANE_RENDER', 'build/halvane-render')
lines = [l.rstrip() for l in open('sets.tle') if l.strip()]
cases = [(0, 35.68, 139.69, (2027,2,15,13,40,0), '25544'), (1, -33.87, 151.21, (2026,12,21,9,3,0), '48274'),
         (2, 64.15, -21.94, (2027,1,4,8,24,0), '25338'), (3, 40.0, -105.0, (2026,12,23,7,0,0), '11111')]
w = [0,0,0]
for idx, lat, lon, tt, key in cases:
    name, l1, l2 = lines[3*idx:3*idx+3]
    sat = EarthSatellite(l1, l2, name, ts); site = wgs84.latlon(lat, lon)
    a, z, d = (sat - site).at(ts.utc(*tt)).altaz()
    out = dict(l.split(': ', 1) for l in subprocess.run([R, '--satellites', 'sets.tle', '--latitude', str(lat), '--longitude', str(-lon),
        '--time', '%04d-%02d-%02dT%02d:%02d:%02dZ' % tt, '--info', key, '--out', '/dev/null'], capture_output=True, text=True).stdout.splitlines() if ': ' in l)
    w = [max(w[0], abs(float(out['altitude']) - a.degrees)), max(w[1], abs(float(out['azimuth']) - z.degrees)), max(w[2], abs(float(out['range_km']) - d.km))]
    print(name, out['altitude'], '%.3f' % a.degrees, out['azimuth'], '%.3f' % z.degrees, out['range_km'], '%.1f' % d.km, out['sunlit'])
print('worst altitude %.3f deg, azimuth %.3f deg, range %.2f km' % tuple(w))
