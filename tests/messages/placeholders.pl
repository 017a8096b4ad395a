#!/usr/bin/perl
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Every message with placeholders numbers them %1, %2, ... without a gap, so that each .arg() fills the
# place meant for it: QString::arg() fills the lowest number first, and a gap shifts every argument.
# Adjacent string literals are read as the one text they make. Usage: placeholders.pl FILE...
use strict;
use warnings;

my $faults = 0;
for my $file (@ARGV) {
    open(my $in, '<', $file) or die "$file: $!\n";
    local $/;
    my $code = <$in>;
    close($in);
    # Comments go first, so that a quote in one is not taken for a string.
    $code =~ s{//[^\n]*}{}g;
    my $literal = qr/(?:u8|u|U|L)?"(?:[^"\\\n]|\\.)*"/;
    while ($code =~ /((?:$literal\s*)+)/g) {
        my $run = $1;
        my $text = join('', $run =~ /"((?:[^"\\\n]|\\.)*)"/g);
        my %used = map { $_ => 1 } ($text =~ /%([1-9])/g);
        next unless %used;
        my $highest = (sort { $b <=> $a } keys %used)[0];
        my @missing = grep { !$used{$_} } (1 .. $highest);
        next unless @missing;
        my $line = 1 + (() = substr($code, 0, pos($code) - length($run)) =~ /\n/g);
        print "$file:$line: %" . join(', %', @missing) . " missing in \"$text\"\n";
        $faults++;
    }
}
exit($faults ? 1 : 0);
