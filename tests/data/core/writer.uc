start_plot
/* TARVO: 12-06-2026 Xscale: 250 Yscale: 62.5 */
0 penup
-150 150 acut
0 pendown
-1 0 acut
1 pendown
48000 24000 aline
end_plot
