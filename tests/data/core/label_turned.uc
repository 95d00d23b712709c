1 penup
0 0 acut
1 pendown
0 9999 acut
1 penup
