#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Prints, for each address a line (a.b.c.d/N), the fields quorvane --format json
prints, worked out with the standard ipaddress module: the rate to compare with."""
import ipaddress
import json
import sys


def classful_prefix(first):
    return 8 if first < 128 else 16 if first < 192 else 24 if first < 224 else None


def binary(address):
    bits = format(int(address), "032b")
    return " ".join(bits[i:i + 8] for i in range(0, 32, 8))


def fields(line):
    interface = ipaddress.ip_interface(line)
    address, network = interface.ip, interface.network
    first = int(address) >> 24
    classful = classful_prefix(first)
    prefix = network.prefixlen
    supernet = prefix < classful
    subnet_bits = classful - prefix if supernet else prefix - classful
    host_bits = 32 - prefix
    hosts = max(2 ** host_bits - 2, 1)
    subnets = 2 ** subnet_bits - 2
    octets = str(address).split(".")
    return {
        "input": line, "address": str(address), "prefix": prefix,
        "mask": str(network.netmask), "wildcard": str(network.hostmask),
        "class": "ABC"[classful // 8 - 1], "type": "private-use" if address.is_private else "public",
        "network_id": ".".join(octets[:classful // 8] + ["x"] * (4 - classful // 8)),
        "host_id": ".".join(["x"] * (classful // 8) + octets[classful // 8:]),
        "decimal": int(address), "subnet": str(network.network_address),
        "broadcast": str(network.broadcast_address),
        "first_host": str(network.network_address + 1), "last_host": str(network.broadcast_address - 1),
        "mask_bits": prefix, "subnet_bits": subnet_bits, "host_bits": host_bits,
        "max_subnets": subnets, "cidr_subnets": 2 ** subnet_bits, "hosts_per_subnet": hosts,
        "total_hosts": None if supernet else subnets * hosts,
        "host_efficiency": None if supernet else round(100 * subnets * hosts / (2 ** (32 - classful) - 2), 1),
        "mode": "supernet" if supernet else "subnet",
        "binary_host": binary(address), "binary_mask": binary(network.netmask),
        "binary_subnet": binary(network.network_address),
        "binary_broadcast": binary(network.broadcast_address), "list": [],
    }


for line in sys.stdin:
    line = line.strip()
    if line:
        sys.stdout.write(json.dumps(fields(line)) + "\n")
