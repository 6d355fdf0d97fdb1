#!/usr/bin/perl
# Writes a short interface sound as a 16-bit mono PCM wave file: a sine tone that glides from one
# frequency to another and fades out.  make_wav.pl OUT.wav START_HZ END_HZ MILLISECONDS
use strict;
use warnings;

my ($out, $from, $to, $ms) = @ARGV;
die "usage: $0 out.wav start_hz end_hz ms\n" unless defined $ms;
my $rate = 22050;
my $count = int($rate * $ms / 1000);
my $pi = 4 * atan2(1, 1);
my ($phase, $data) = (0, '');
for my $i (0 .. $count - 1) {
  my $t = $i / $count;
  my $freq = $from + ($to - $from) * $t;
  $phase += 2 * $pi * $freq / $rate;
  my $envelope = ($i < 64 ? $i / 64 : 1) * (1 - $t) ** 2;
  $data .= pack('s<', int(9000 * $envelope * sin($phase)));
}
open(my $fh, '>:raw', $out) or die "cannot write $out: $!\n";
print $fh 'RIFF', pack('V', 36 + length $data), 'WAVE';
print $fh 'fmt ', pack('VvvVVvv', 16, 1, 1, $rate, $rate * 2, 2, 16);
print $fh 'data', pack('V', length $data), $data;
close $fh;
