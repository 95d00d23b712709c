1 penup
500 1000 acut
1 pendown
750 1250 acut
1 penup
1 penup
625 1125 acut
1 pendown
1 penup
1 penup
1000 1250 acut
1 pendown
1000 1000 acut
1 penup
