# stations
K1AA, 0
W6XYZ, 40
VE3ABC,74
