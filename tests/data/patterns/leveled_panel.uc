start_plot
/* Hull Xscale: 500 Yscale: 500 01-02-2027 */
0 0 acut
1 pendown
1118 0 aline
1 penup
/* hand plot */
2236 0 acut
start_spline
3354 0 spline_pt  kept as it is
end_spline
