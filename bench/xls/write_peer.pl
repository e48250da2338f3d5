#!/usr/bin/perl
# Writes the benchmark's cells with Spreadsheet::WriteExcel and prints the seconds the writing took.
# Usage: write_peer.pl FILE ROWS   (18 columns; the texts match BenchText in XlsBench.cpp)
use strict;
use warnings;
use Spreadsheet::WriteExcel;
use Time::HiRes qw(time);

my ($file, $rows) = @ARGV;
my @modes = ('3Pole', '4Pole', '3Pole Clamp', '2Pole AC');
my $start = time();
my $book = Spreadsheet::WriteExcel->new($file) or die "cannot create $file";
my $sheet = $book->add_worksheet('Sheet1');
for my $r (0 .. $rows - 1) {
    for my $c (0 .. 17) {
        my $text;
        if ($c == 0) { $text = "R$r"; }
        elsif ($c == 1) { $text = $modes[$r % 4]; }
        elsif ($c == 2) { $text = sprintf('2009-01-%02d', $r % 28 + 1); }
        else { $text = sprintf('%d.%02d', $r, $c); }
        $sheet->write_string($r, $c, $text);
    }
}
$book->close();
printf "%.6f\n", time() - $start;
