# The opening: each corner's 6 × 6 area is examined once a game, in the order top-left,
# top-right, bottom-left, bottom-right; the first one still empty gets the first point of a
# corner sequence, one of eight points mirrored into that corner. Then the four side points,
# each when the area around it is empty.
clear_board
boardsize 19

# Empty board: a first point of the top-left corner.
10 reg_genmove black
#? [C17|C16|C15|D17|D16|D15|E17|E16]
# reg_genmove spent nothing: asked again, and for the other colour, it is still that corner.
11 reg_genmove black
#? [C17|C16|C15|D17|D16|D15|E17|E16]
12 reg_genmove white
#? [C17|C16|C15|D17|D16|D15|E17|E16]

# A human stone in the top-left area (E15): the top-right corner, points mirrored left-right.
play white E15
20 reg_genmove black
#? [R17|R16|R15|Q17|Q16|Q15|P17|P16]

# And in the top-right area (P15): the bottom-left corner, mirrored top-bottom.
play white P15
30 reg_genmove black
#? [C3|C4|C5|D3|D4|D5|E3|E4]

# And in the bottom-left area (E5): the bottom-right corner, mirrored both ways.
play white E5
40 reg_genmove black
#? [R3|R4|R5|Q3|Q4|Q5|P3|P4]

# Every corner taken (P5): the side points follow, D10 first, its area A..E × 8..13 empty.
play white P5
50 reg_genmove black
#? [D10]
# genmove spends the four corners and the first side point in one turn; then come the right
# side's Q10 and the top side's K16.
51 genmove black
#? [D10]
52 reg_genmove black
#? [Q10]
53 genmove black
#? [Q10]
54 genmove black
#? [K16]
# The bottom side's area (G..M × 1..5) holds a human stone: its point K4 is not played.
play white K5
55 reg_genmove black
#? [!K4]
# With the stone taken back the area is empty again, and K4 is played.
56 undo
#? []
57 reg_genmove black
#? [K4]

# undo gives the opening back its progress: after a genmove and its undo, an empty board
# again gets a top-left point, not one of the top-right corner.
clear_board
boardsize 19
60 genmove white
#? [C17|C16|C15|D17|D16|D15|E17|E16]
61 undo
#? []
62 reg_genmove white
#? [C17|C16|C15|D17|D16|D15|E17|E16]

# A corner sequence goes on over the machine's turns: the second genmove is the sequence's next
# point in the top-left corner (never one of its first points only, such as C17 or D16), or,
# after the one-stone sequence C17, the top-right corner's first point.
clear_board
boardsize 19
70 genmove black
#? [C17|C16|C15|D17|D16|D15|E17|E16]
play white K10
71 genmove black
#? [E17|E16|D17|C15|D15|C16|C14|C13|D14|F17|F16|G17|R17|R16|R15|Q17|Q16|Q15|P17|P16]
