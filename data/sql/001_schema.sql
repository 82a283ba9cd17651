-- The class record, schema version 1. Applied by `lumeq --class-db-init URL` run as the
-- database's administrator (a superuser such as postgres); every statement may run again.
-- Roles: lumeq_owner owns the objects and logs in never; lumeq_student (the lab machines) may
-- only add events through lumeq.add_event; lumeq_teacher reads everything. The administrator
-- sets the passwords: ALTER ROLE lumeq_student PASSWORD '…';
SET LOCAL client_min_messages = warning;

DO $$
BEGIN
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'lumeq_owner') THEN
    CREATE ROLE lumeq_owner NOLOGIN;
  END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'lumeq_student') THEN
    CREATE ROLE lumeq_student LOGIN;
  END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'lumeq_teacher') THEN
    CREATE ROLE lumeq_teacher LOGIN;
  END IF;
END
$$;

CREATE SCHEMA IF NOT EXISTS lumeq AUTHORIZATION lumeq_owner;
REVOKE ALL ON SCHEMA lumeq FROM PUBLIC;
GRANT USAGE ON SCHEMA lumeq TO lumeq_student, lumeq_teacher;

CREATE TABLE IF NOT EXISTS lumeq.schema_version (
  version integer PRIMARY KEY,
  applied timestamptz NOT NULL DEFAULT now()
);

-- One row per event, keyed by the id the machine made for it: a resend is ignored.
CREATE TABLE IF NOT EXISTS lumeq.events (
  id uuid PRIMARY KEY,
  arrival bigint GENERATED ALWAYS AS IDENTITY UNIQUE,  -- the order the server took them in
  run text NOT NULL CHECK (length(run) <= 64),
  machine text NOT NULL CHECK (length(machine) <= 255),
  seq bigint NOT NULL,
  kind text NOT NULL CHECK (length(kind) <= 32),
  wall timestamptz NOT NULL,
  steady_ms bigint,
  work integer,
  form text CHECK (length(form) <= 64),
  field integer,
  typed text CHECK (length(typed) <= 4000),
  detail text CHECK (length(detail) <= 4000),
  amount bigint,
  seed bigint,
  sender name NOT NULL DEFAULT session_user,  -- the login that sent it
  received timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX IF NOT EXISTS events_run ON lumeq.events (run, machine, seq);
ALTER TABLE lumeq.schema_version OWNER TO lumeq_owner;
ALTER TABLE lumeq.events OWNER TO lumeq_owner;

REVOKE ALL ON lumeq.events, lumeq.schema_version FROM PUBLIC;
GRANT SELECT ON lumeq.events, lumeq.schema_version TO lumeq_teacher;
GRANT SELECT ON lumeq.schema_version TO lumeq_student;

-- Rows are shown by policy only: the teacher sees every row; no policy gives a student any,
-- so a grant made by mistake later still shows nothing.
ALTER TABLE lumeq.events ENABLE ROW LEVEL SECURITY;
DROP POLICY IF EXISTS teacher_reads ON lumeq.events;
CREATE POLICY teacher_reads ON lumeq.events FOR SELECT TO lumeq_teacher USING (true);

CREATE OR REPLACE FUNCTION lumeq.add_event(p_id uuid, p_run text, p_machine text, p_seq bigint, p_kind text,
                                           p_wall timestamptz, p_steady_ms bigint, p_work integer, p_form text,
                                           p_field integer, p_typed text, p_detail text, p_amount bigint,
                                           p_seed bigint)
  RETURNS boolean
  LANGUAGE plpgsql SECURITY DEFINER
  SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
  INSERT INTO lumeq.events (id, run, machine, seq, kind, wall, steady_ms, work, form, field, typed, detail,
                            amount, seed)
  VALUES (p_id, p_run, p_machine, p_seq, p_kind, p_wall, p_steady_ms, p_work, p_form, p_field, p_typed,
          p_detail, p_amount, p_seed)
  ON CONFLICT (id) DO NOTHING;
  RETURN FOUND;
END
$$;
ALTER FUNCTION lumeq.add_event(uuid, text, text, bigint, text, timestamptz, bigint, integer, text, integer, text,
                               text, bigint, bigint) OWNER TO lumeq_owner;
REVOKE ALL ON FUNCTION lumeq.add_event(uuid, text, text, bigint, text, timestamptz, bigint, integer, text, integer,
                                       text, text, bigint, bigint) FROM PUBLIC;
GRANT EXECUTE ON FUNCTION lumeq.add_event(uuid, text, text, bigint, text, timestamptz, bigint, integer, text,
                                          integer, text, text, bigint, bigint) TO lumeq_student;

INSERT INTO lumeq.schema_version (version) VALUES (1) ON CONFLICT DO NOTHING;
