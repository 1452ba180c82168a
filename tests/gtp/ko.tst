# Ko. Black's L10 has just taken the White stone on K10 and is itself in atari there; the
# machine may not retake at once, so its reading does not even list K10 as a liberty.
#   . X O .       row 11: K11 X, L11 O
#   X . X O       row 10: J10 X, K10 empty (White taken), L10 X, M10 O
#   . X O .       row  9: K9 X, L9 O
clear_board
boardsize 19
play black J10
play white K10
play black K11
play black K9
play white L11
play white L9
play white M10
play black L10
10 reg_genmove white
#? [!K10]
# Nothing else on the board is worth more than the opening's top-left point.
11 reg_genmove white
#? [C17|C16|C15|D17|D16|D15|E17|E16]

# The machine plays elsewhere (the opening), the human answers elsewhere: the ko point is no
# longer the machine's, and the capture of L10 there is worth 120.
20 genmove white
#? [C17|C16|C15|D17|D16|D15|E17|E16]
play black Q4
21 reg_genmove white
#? [K10]

# A human pass leaves the ko point standing: after the capture and a pass, still no retake.
clear_board
boardsize 19
play black J10
play white K10
play black K11
play black K9
play white L11
play white L9
play white M10
play black L10
play black pass
30 reg_genmove white
#? [!K10]

# The same fight with the colours the other way round: the machine plays Black.
clear_board
boardsize 19
play white J10
play black K10
play white K11
play white K9
play black L11
play black L9
play black M10
play white L10
40 reg_genmove black
#? [!K10]
play black C17
play white Q4
41 reg_genmove black
#? [K10]
