# Shape patterns. Once every corner and side area has been examined the machine plays the best
# shape around its own stones. Black stones with four liberties each (nothing to capture) sit
# in the four corner areas (F14, O14, F6, O6) and the four side areas (C10, R10, K17, K3), so
# the whole opening is spent at the first machine turn and the pattern scan decides.
clear_board
boardsize 19

# Weight 84, the highest: White K10 and K6 four points apart on one line, the three points
# between them and the points beside those empty but for Black L8 beside the middle one. The
# machine plays the middle point, K8, ahead of any extension from its stones (82 at most).
play black F14
play black O14
play black F6
play black O6
play black C10
play black R10
play black K17
play black K3
play white K10
play white K6
play black L8
10 reg_genmove white
#? [K8]
# The mirror image, Black on J8, is the same shape.
undo
play black J8
11 reg_genmove white
#? [K8]
# Without the Black stone the shape is another one, and K8 is no longer its point.
undo
play black S2
12 reg_genmove white
#? [!K8]

# The long extension from a lone stone (weight 80), worth one point more for each coordinate
# of its point on the third or fourth line: White C12 extends up to D16 (82), not down to D8
# (81) nor to the second line. The side area around C12 is not empty, so no stone is needed
# there.
clear_board
boardsize 19
play black F14
play black O14
play black F6
play black O6
play black R10
play black K17
play black K3
play white C12
play black S2
20 reg_genmove white
#? [D16]
