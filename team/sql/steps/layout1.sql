-- Layout 1: the team's tables as the first team servers had them. Every later step changes them in place,
-- so a server of any layout is brought forward by running the steps after its own.
CREATE SCHEMA terrovane;

CREATE TABLE terrovane.meta (
    key text PRIMARY KEY,
    value text NOT NULL
);

CREATE TABLE terrovane.members (
    login name PRIMARY KEY,
    role text NOT NULL CHECK (role IN ('viewer', 'inspector', 'admin')),
    added_at timestamptz NOT NULL DEFAULT now(),
    added_by name NOT NULL DEFAULT session_user
);

CREATE TABLE terrovane.member_sites (
    login name NOT NULL REFERENCES terrovane.members ON DELETE CASCADE,
    site uuid NOT NULL,
    PRIMARY KEY (login, site)
);

-- Every site the server has heard of and who brought it. Rights are judged against this table, which
-- row-level security does not filter, so an inspector's new site is told apart from one not theirs.
CREATE TABLE terrovane.known_sites (
    id uuid PRIMARY KEY,
    created_by name NOT NULL,
    created_at timestamptz NOT NULL DEFAULT now()
);

CREATE TABLE terrovane.fields (
    kind text NOT NULL CHECK (kind IN ('site', 'point', 'label', 'note', 'assignment', 'limit',
                                       'soil_model', 'fop_curve')),
    id uuid NOT NULL,
    field text NOT NULL CHECK (field <> ''),
    site uuid,
    value jsonb,
    stamp text COLLATE "C" NOT NULL CHECK (stamp ~ '^[0-9]{15}-[0-9]{5}-.+$'),
    device uuid,
    changed_by name NOT NULL DEFAULT session_user,
    PRIMARY KEY (kind, id, field)
);
CREATE INDEX fields_site ON terrovane.fields (site);

CREATE TABLE terrovane.content (
    kind text NOT NULL CHECK (kind IN ('readout', 'result', 'analysis')),
    key text NOT NULL CHECK (key <> ''),
    site uuid,
    body jsonb NOT NULL,
    added_by name NOT NULL DEFAULT session_user,
    added_at timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (kind, key)
);

-- A value that lost to a later stamp while it was made against another base: kept for the people to
-- choose, never dropped.
CREATE TABLE terrovane.conflicts (
    seq bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    kind text NOT NULL,
    id uuid NOT NULL,
    field text NOT NULL,
    site uuid,
    kept_value jsonb,
    kept_stamp text COLLATE "C" NOT NULL,
    kept_by name NOT NULL DEFAULT session_user,
    lost_value jsonb,
    lost_stamp text COLLATE "C" NOT NULL,
    lost_by name NOT NULL DEFAULT session_user,
    noted_at timestamptz NOT NULL DEFAULT now(),
    resolved_by name,
    resolved_at timestamptz
);

-- Each device's batches with the answer given, so a batch sent again gets the same answer and is not
-- applied twice, and a batch after a gap is refused.
CREATE TABLE terrovane.batches (
    device uuid NOT NULL,
    batch bigint NOT NULL CHECK (batch > 0),
    login name NOT NULL DEFAULT session_user,
    answer jsonb NOT NULL,
    applied_at timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (device, batch)
);

CREATE TABLE terrovane.audit (
    seq bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    at timestamptz NOT NULL DEFAULT clock_timestamp(),
    login name NOT NULL DEFAULT session_user,
    device text DEFAULT nullif(current_setting('terrovane.device', true), ''),
    action text NOT NULL,
    kind text NOT NULL,
    id text NOT NULL,
    field text,
    old_value jsonb,
    new_value jsonb
);

-- Every change, in the order a reader is handed them.
CREATE TABLE terrovane.changes (
    seq bigint GENERATED ALWAYS AS IDENTITY,
    xid xid8 NOT NULL DEFAULT pg_current_xact_id(),
    source text NOT NULL CHECK (source IN ('field', 'content', 'conflict')),
    kind text NOT NULL,
    id text NOT NULL,
    field text,
    site uuid,
    PRIMARY KEY (xid, seq)
);
