# help2man makes "Exit status:" of a tool's --help a subsection (or, right
# before a subsection of its own, a line of text); on the page it is a
# section, between OPTIONS and EXAMPLES.
s/^\.SS "Exit status:"$/.SH "EXIT STATUS"/
s/^Exit status:$/.SH "EXIT STATUS"/
