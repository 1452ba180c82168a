# The whole computer player through talvex-gtp, where only the shape patterns decide: Black
# stones with four liberties each in the four corner areas (F14, O14, F6, O6) and the four side
# areas (C10, R10, K17, K3) spend the opening at the first machine turn.
#
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

