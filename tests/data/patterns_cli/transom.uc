start_plot
/* TARVO: mm-dd-yyyy Xscale: 500 Yscale: 500 */
1 penup
-2375 312 acut
1 pendown
-2235 312 acut
1 penup
1 penup
-2305 312 acut
1 pendown
-2305 125 acut
1 penup
1 penup
-2188 125 acut
1 pendown
-2188 312 acut
-2071 312 acut
-2047 289 acut
-2047 242 acut
-2071 218 acut
-2188 218 acut
1 penup
1 penup
-2118 218 acut
1 pendown
-2047 125 acut
1 penup
1 penup
-2000 125 acut
1 pendown
-2000 312 acut
-1860 125 acut
-1860 312 acut
1 penup
1 penup
-1672 289 acut
1 pendown
-1696 312 acut
-1790 312 acut
-1813 289 acut
-1813 242 acut
-1790 218 acut
-1696 218 acut
-1672 195 acut
-1672 148 acut
-1696 125 acut
-1790 125 acut
-1813 148 acut
1 penup
1 penup
-1625 125 acut
1 pendown
-1625 312 acut
-1555 218 acut
-1485 312 acut
-1485 125 acut
1 penup
/* hand plot all points */
0 penup
2500 0 acut
0 pendown
7500 2061 acut
11500 8144 acut
14000 17199 acut
15000 18317 acut
16000 19435 acut
0 19435 acut
-16000 19435 acut
-15000 18317 acut
-14000 17199 acut
-11500 8144 acut
-7500 2061 acut
-2500 0 acut
0 0 acut
2500 0 acut
0 penup
end_plot
